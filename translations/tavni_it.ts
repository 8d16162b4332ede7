<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Il team di Tavni</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Sito:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Difficoltà</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Mostra griglia</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Motivi sui colori</translation>
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
        <translation>Lingua</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Ciao</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Non sei tu? Clicca su</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Vuoi continuare l&apos;ultima partita salvata?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Fase: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Continua partita</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Vuoi ricominciare il gioco dall&apos;inizio?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Complimenti!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Hai completato la partita classica in %1 s.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Ora puoi provare l&apos;altra modalità: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Livello %1-%2 completato!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Hai superato il livello in %3 s.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Fase %1 completata!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Elimina </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nuovo profilo</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Inserisci il tuo nome:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Top 10 – Partita &amp;classica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Menu principale</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profili</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nuovo profilo</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Inserisci il tuo nome:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni è già in esecuzione.</translation>
    </message>
</context>
</TS>
