<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Tavni developers</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>Mail:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Config Dialog</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Game level</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Draw Grid</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Colour patterns</translation>
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
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hello</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>if this is not you click</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Would you like to continue from your last saved game?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Stage: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Continue saved game</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Start new game</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Would you like play from the beginning of game?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulations!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>You have finished classic game for %1 sec.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Now you may try other type game: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Level %1-%2 complete!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>You have passed the level for %3 sec.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Stage %1 complete!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Add New</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Delete </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Creating new profile</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Enter your name:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>&amp;Classic Game top 10</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Main toolbar</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Main menu</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profiles</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>P&amp;review</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Creating new profile</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Enter your name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
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
        <translation>Tavni is already running.</translation>
    </message>
</context>
</TS>
