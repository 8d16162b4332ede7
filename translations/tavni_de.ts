<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Das Tavni-Team</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tavni</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Gitter anzeigen</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Farbmuster</translation>
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
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
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
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Nicht du? Klicke auf</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Möchtest du dein zuletzt gespeichertes Spiel fortsetzen?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Etappe: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Möchtest du das Spiel von vorn beginnen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Du hast das klassische Spiel in %1 Sek. geschafft.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Jetzt kannst du die andere Spielart ausprobieren: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Level %1-%2 geschafft!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Du hast das Level in %3 Sek. geschafft.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Etappe %1 geschafft!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Löschen </translation>
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
        <translation>Neues Profil erstellen</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Gib deinen Namen ein:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Top 10 – &amp;Klassisches Spiel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Hauptwerkzeugleiste</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Hauptmenü</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profile</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vorschau</translation>
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
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Neues Profil erstellen</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Gib deinen Namen ein:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni läuft bereits.</translation>
    </message>
</context>
</TS>
