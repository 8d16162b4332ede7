<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Tavni-teamet</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Webb:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>E-post:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om Tavni</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Svårighetsgrad</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lätt</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svår</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ljud</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Visa rutnät</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Färgmönster</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Språk</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Tid:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivå:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hej</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Välkommen</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Inte du? Klicka på</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Vill du fortsätta ditt senast sparade spel?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Etapp: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Fortsätt spelet</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Vill du spela om från början?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Grattis!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Du klarade det klassiska spelet på %1 s.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Nu kan du prova det andra spelläget: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Nivå %1-%2 klar!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Du klarade nivån på %3 s.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Etapp %1 klar!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Ta bort </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiler</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Ny profil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Ange ditt namn:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Topp 10 – &amp;Klassiskt spel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Huvudverktygsfält</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Huvudmeny</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profiler</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Förhandsvisning</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Topp 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Ny profil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Ange ditt namn:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Poäng</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni körs redan.</translation>
    </message>
</context>
</TS>
