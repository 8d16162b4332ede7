<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Разработчики Tavni</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>Почта:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Сложность</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложно</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Показывать сетку</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Узоры на цветах</translation>
    </message>
    <message>
        <source>max</source>
        <translation>макс.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Уровень:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Привет,</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Добро пожаловать,</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Это не вы? Нажмите</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Хотите продолжить последнюю сохранённую игру?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Этап: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Продолжить игру</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Хотите начать игру с самого начала?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Вы прошли классическую игру за %1 сек.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Теперь попробуйте другой режим игры: «Головоломка».</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Уровень %1-%2 пройден!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Вы прошли уровень за %3 сек.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Этап %1 пройден!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Удалить </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Создание профиля</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Введите своё имя:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Топ-10: &amp;классическая игра</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Основная панель инструментов</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Главное меню</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Профили</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>П&amp;редпросмотр</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Топ-10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Создание профиля</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Введите своё имя:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Игра Tavni уже запущена.</translation>
    </message>
</context>
</TS>
