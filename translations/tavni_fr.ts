<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>L&apos;équipe de Tavni</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web&#xa0;:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>E-mail&#xa0;:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Difficulté</translation>
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
        <translation>Sons</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Afficher la grille</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Motifs de couleur</translation>
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
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Bonjour</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Pas vous&#xa0;? Cliquez sur</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Voulez-vous reprendre votre dernière partie sauvegardée&#xa0;?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Étape&#xa0;: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Reprendre la partie</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Voulez-vous reprendre le jeu depuis le début&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Vous avez terminé la partie classique en %1&#xa0;s.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Vous pouvez maintenant essayer l&apos;autre mode de jeu&#xa0;: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Niveau %1-%2 terminé&#xa0;!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Vous avez terminé le niveau en %3&#xa0;s.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Étape %1 terminée&#xa0;!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Supprimer </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Création d&apos;un profil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Entrez votre nom&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Top 10 – Partie &amp;classique</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barre d&apos;outils principale</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Menu principal</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Profils</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À p&amp;ropos</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Création d&apos;un profil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Entrez votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni est déjà lancé.</translation>
    </message>
</context>
</TS>
