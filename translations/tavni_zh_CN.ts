<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Tavni 开发团队</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>网站：</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>邮箱：</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于 Tavni</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>显示网格</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>颜色图案</translation>
    </message>
    <message>
        <source>max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>关卡：</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>你好</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>欢迎</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>不是你？请点击</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>要从上次保存的进度继续吗？</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>进度：%1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>继续游戏</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>要从头开始游戏吗？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>你用 %1 秒完成了经典模式。</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>现在试试另一种模式：拼图（Puzzle）。</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>关卡 %1-%2 完成！</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>你用 %3 秒通过了本关。</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>第 %1 阶段完成！</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>新建(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>删除(&amp;D) </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>玩家档案</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>新建档案</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>请输入你的名字：</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>经典模式排行榜(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>主菜单(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>设置(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>档案(&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>预览(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>排行榜(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>新建档案</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>请输入你的名字：</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni 已在运行。</translation>
    </message>
</context>
</TS>
