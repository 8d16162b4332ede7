<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Twórcy Tavni</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>WWW:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Poziom trudności</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Pokaż siatkę</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Wzory na kolorach</translation>
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
        <translation>Język</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Czas:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Poziom:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Cześć,</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Witaj,</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>To nie ty? Kliknij</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Czy chcesz kontynuować ostatnią zapisaną grę?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Etap: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Kontynuuj grę</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Czy chcesz zagrać od początku?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Gra klasyczna ukończona w %1 s.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Teraz spróbuj drugiego trybu gry: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Poziom %1-%2 ukończony!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Twój czas: %3 s.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Etap %1 ukończony!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Usuń </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nowy profil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Podaj swoje imię:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Top 10 – Gra &amp;klasyczna</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Główny pasek narzędzi</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Menu główne</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>Po&amp;dgląd</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nowy profil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Podaj swoje imię:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Gra Tavni jest już uruchomiona.</translation>
    </message>
</context>
</TS>
