<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Розробники Tavni</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>Пошта:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про гру</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>Складність</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Складно</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музика</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>Показувати сітку</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>Візерунки на кольорах</translation>
    </message>
    <message>
        <source>max</source>
        <translation>макс.</translation>
    </message>
    <message>
        <source>min</source>
        <translation>мін.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Рівень:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Привіт,</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Вітаємо,</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>Це не ви? Натисніть</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>Бажаєте продовжити останню збережену гру?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>Етап: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>Продовжити гру</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>Бажаєте почати гру з самого початку?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Вітаємо!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>Ви пройшли класичну гру за %1 с.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>Тепер спробуйте інший режим гри: «Головоломка».</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>Рівень %1-%2 пройдено!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>Ви пройшли рівень за %3 с.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>Етап %1 пройдено!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Додати</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>&amp;Видалити </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профілі</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Створення профілю</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Введіть своє ім’я:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>Топ-10: &amp;класична гра</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>Українська</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>Головна панель інструментів</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>&amp;Головне меню</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>&amp;Профілі</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>П&amp;ерегляд</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>&amp;Топ-10</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Пр&amp;о гру</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>Створення профілю</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Введіть своє ім’я:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>с</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni вже запущено.</translation>
    </message>
</context>
</TS>
