<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Tavni 開発チーム</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>メール:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tavni について</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>難易度</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>やさしい</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>むずかしい</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>効果音</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>グリッドを表示</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>色に模様を付ける</translation>
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
        <translation>言語</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>タイム:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>レベル:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>やあ</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>あなたでなければクリック</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>前回セーブしたところから続けますか？</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>ステージ: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>続きから</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>はじめから</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>ゲームをはじめから遊びますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>おめでとうございます！</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>クラシックを %1 秒でクリアしました。</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>次はもうひとつのモード「Puzzle」に挑戦してみましょう。</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>レベル %1-%2 クリア！</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>クリアタイムは %3 秒です。</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>ステージ %1 クリア！</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>新規作成(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>削除(&amp;D) </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>プロフィール</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>新しいプロフィール</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>名前を入力してください:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>クラシック トップ10(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>メインツールバー</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>メインメニュー(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>設定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>プロフィール(&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>プレビュー(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>トップ10(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Tavni について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>新しいプロフィール</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>名前を入力してください:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni はすでに起動しています。</translation>
    </message>
</context>
</TS>
