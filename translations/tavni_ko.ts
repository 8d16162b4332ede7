<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>AboutW</name>
    <message>
        <source>Tavni v.0.6</source>
        <translation>Tavni v.0.6</translation>
    </message>
    <message>
        <source>Tavni developers</source>
        <translation>Tavni 개발팀</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>웹:</translation>
    </message>
    <message>
        <source>Mail:</source>
        <translation>메일:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tavni 정보</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Config Dialog</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Game level</source>
        <translation>난이도</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>쉬움</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>어려움</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>효과음</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>음악</translation>
    </message>
    <message>
        <source>Draw Grid</source>
        <translation>격자 표시</translation>
    </message>
    <message>
        <source>Colour patterns</source>
        <translation>색상별 무늬 표시</translation>
    </message>
    <message>
        <source>max</source>
        <translation>최대</translation>
    </message>
    <message>
        <source>min</source>
        <translation>최소</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
</context>
<context>
    <name>RenderArea</name>
    <message>
        <source>Time:</source>
        <translation>시간:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>레벨:</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>반가워요</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>환영해요</translation>
    </message>
    <message>
        <source>if this is not you click</source>
        <translation>본인이 아니면 클릭</translation>
    </message>
    <message>
        <source>Would you like to continue from your last saved game?</source>
        <translation>마지막으로 저장한 게임을 이어서 할까요?</translation>
    </message>
    <message>
        <source>Stage: %1-%2</source>
        <translation>스테이지: %1-%2</translation>
    </message>
    <message>
        <source>Continue saved game</source>
        <translation>이어하기</translation>
    </message>
    <message>
        <source>Start new game</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>Would you like play from the beginning of game?</source>
        <translation>처음부터 다시 플레이할까요?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>축하합니다!</translation>
    </message>
    <message>
        <source>You have finished classic game for %1 sec.</source>
        <translation>클래식 게임을 %1초 만에 완료했습니다.</translation>
    </message>
    <message>
        <source>Now you may try other type game: Puzzle.</source>
        <translation>이제 다른 모드인 퍼즐(Puzzle)에 도전해 보세요.</translation>
    </message>
    <message>
        <source>Level %1-%2 complete!</source>
        <translation>레벨 %1-%2 완료!</translation>
    </message>
    <message>
        <source>You have passed the level for %3 sec.</source>
        <translation>%3초 만에 레벨을 통과했습니다.</translation>
    </message>
    <message>
        <source>Stage %1 complete!</source>
        <translation>스테이지 %1 완료!</translation>
    </message>
</context>
<context>
    <name>SelProfile</name>
    <message>
        <source>&amp;Add New</source>
        <translation>새로 만들기(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Delete </source>
        <translation>삭제(&amp;D) </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>프로필</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>새 프로필 만들기</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>이름을 입력하세요:</translation>
    </message>
</context>
<context>
    <name>Top10</name>
    <message>
        <source>&amp;Classic Game top 10</source>
        <translation>클래식 게임 순위(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>English</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Main toolbar</source>
        <translation>기본 도구 모음</translation>
    </message>
    <message>
        <source>Tavni</source>
        <translation>Tavni</translation>
    </message>
    <message>
        <source>&amp;Main menu</source>
        <translation>메인 메뉴(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>설정(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Profiles</source>
        <translation>프로필(&amp;P)</translation>
    </message>
    <message>
        <source>P&amp;review</source>
        <translation>미리 보기(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Top 10</source>
        <translation>순위(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>Creating new profile</source>
        <translation>새 프로필 만들기</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>이름을 입력하세요:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>초</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Tavni is already running.</source>
        <translation>Tavni가 이미 실행 중입니다.</translation>
    </message>
</context>
</TS>
