<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Equipe Tavni</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Mostrar grade</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Padrões nas cores</translation>
    </message>
    <message>
        <source>max</source>
        <translation>máx.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>mín.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
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
        <translation>Nível:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Olá,</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bem-vindo,</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Não é você? Clique em</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Deseja continuar o último jogo salvo?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Etapa: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Continuar jogo</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Deseja jogar desde o início?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Você terminou o jogo clássico em %1 s.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Agora experimente o outro modo de jogo: Puzzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Nível %1-%2 concluído!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Você concluiu o nível em %3 s.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Etapa %1 concluída!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Excluir </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Novo perfil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Digite seu nome:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Top 10 – Jogo &amp;clássico</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Português (Brasil)</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra de ferramentas principal</translation>
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
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Perfis</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Visualizar</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Novo perfil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Digite seu nome:</translation>
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
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>O Tavni já está em execução.</translation>
    </message>
</context>
</TS>
