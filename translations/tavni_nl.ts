<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Het Tavni-team</translation>
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
        <translation>Over Tavni</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Moeilijkheid</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Raster tonen</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Kleurpatronen</translation>
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
        <translation>Taal</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Tijd:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hallo</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Niet jij? Klik op</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Wil je verdergaan met je laatst opgeslagen spel?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Etappe: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Spel hervatten</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Wil je het spel opnieuw vanaf het begin spelen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Je hebt het klassieke spel in %1 sec. uitgespeeld.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Probeer nu ook eens de andere spelvorm: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Level %1-%2 voltooid!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Je hebt het level in %3 sec. gehaald.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Etappe %1 voltooid!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Verwijderen </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profielen</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nieuw profiel</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Voer je naam in:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Top 10 – &amp;Klassiek spel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hoofdwerkbalk</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Hoofdmenu</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profielen</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Voorbeeld</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nieuw profiel</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Voer je naam in:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni is al gestart.</translation>
    </message>
</context>
</TS>
