<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Tavni Ekibi</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>E-posta:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Zorluk</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Müzik</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Izgarayı göster</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Renk desenleri</translation>
    </message>
    <message>
        <source>max</source>
        <translation>maks.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Süre:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Seviye:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Merhaba</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Hoş geldin</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Sen değil misin? Tıkla</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Kayıtlı son oyununa devam etmek ister misin?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Aşama: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Oyuna devam et</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Oyunu baştan oynamak ister misin?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Tebrikler!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Klasik oyunu %1 sn. içinde bitirdin.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Şimdi diğer oyun türünü dene: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Seviye %1-%2 tamamlandı!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Seviyeyi %3 sn. içinde geçtin.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Aşama %1 tamamlandı!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Sil </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiller</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Yeni profil oluştur</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Adını gir:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Top 10 – &amp;Klasik oyun</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Ana araç çubuğu</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Ana menü</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>A&amp;yarlar</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profiller</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>Ö&amp;nizleme</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Yeni profil oluştur</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Adını gir:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>sn.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni zaten çalışıyor.</translation>
    </message>
</context>
</TS>
