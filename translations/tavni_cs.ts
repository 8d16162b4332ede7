<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Tým Tavni</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hře</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Obtížnost</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Snadná</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Těžká</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuky</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Hudba</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Zobrazit mřížku</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Vzory na barvách</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Čas:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Úroveň:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Ahoj,</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Vítej,</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Nejsi to ty? Klikni na</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Chceš pokračovat v naposledy uložené hře?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Etapa: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Pokračovat ve hře</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Chceš hrát znovu od začátku?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulujeme!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Klasická hra dokončena za %1 s.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Teď zkus druhý herní režim: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Úroveň %1-%2 dokončena!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Tvůj čas: %3 s.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Etapa %1 dokončena!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Přidat</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Smazat </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profily</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nový profil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Zadej své jméno:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Top 10 – &amp;Klasická hra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hlavní panel nástrojů</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Hlavní nabídka</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profily</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>Náh&amp;led</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O hře</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nový profil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Zadej své jméno:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jméno</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Čas</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni už běží.</translation>
    </message>
</context>
</TS>
