<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>El equipo de Tavni</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Dificultad</translation>
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
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Mostrar cuadrícula</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Patrones de color</translation>
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
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Hola,</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenido,</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>¿No eres tú? Pulsa en</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>¿Quieres continuar tu última partida guardada?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Etapa: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Continuar partida</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>¿Quieres empezar el juego desde el principio?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Has terminado la partida clásica en %1 seg.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Ahora puedes probar el otro modo de juego: Puzle.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>¡Nivel %1-%2 completado!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Has superado el nivel en %3 seg.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>¡Etapa %1 completada!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Eliminar </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nuevo perfil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Escribe tu nombre:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Top 10 – Partida &amp;clásica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Barra de herramientas principal</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Menú principal</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Perfiles</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Top 10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Nuevo perfil</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>seg.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni ya se está ejecutando.</translation>
    </message>
</context>
</TS>
