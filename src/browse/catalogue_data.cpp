#include "browse/catalogue.h"

// The catalogue's contents. Each logo opens the current address of the site it names. Sites that
// have moved open their new address; sites that have closed open their closest successor or, when
// there is none, their home page as archived by the Internet Archive ("closed" comments say which).
// Three targets are bare host names (no scheme), handed to the browser as stored.

namespace presslane::catalogue {
namespace {

#define ARCHIVE "https://web.archive.org/web/2005/"

constexpr Item heading(const char* text) { return {0, text, nullptr, nullptr}; }

// Frame11(4), Label1 "종합신문"
constexpr Item kGeneral[] = {
    {3000, "중앙일보", "나와 세상이 통하는 곳:조인스닷컴", "https://www.joongang.co.kr/"},
    {3001, "동아일보", "동아닷컴[동아일보뉴스]", "https://www.donga.com/"},
    {3002, "조선일보", "1등 인터넷뉴스 조선닷컴", "https://www.chosun.com/"},
    {3003, "한겨레", "인터넷한겨레 - 토론이 살아 있는 생생한 인터넷뉴스",
     "https://www.hani.co.kr/"},
    // The tooltip repeats Image3400's; it is kept as stored.
    {3004, "서울신문", "뉴스게릴라들의 뉴스연대 - 오마이뉴스", "https://www.seoul.co.kr/"},
    // hankooki.com closed: the paper's own site.
    {3005, "한국일보", "한국아이닷컴 뉴스포탈", "https://www.hankookilbo.com/"},
    {3006, "경향신문", "http://www.khan.co.kr", "www.khan.co.kr"},  // bare host name
    {3007, "국민일보", "Good News Paper 국민일보", "https://www.kmib.co.kr/"},
    {3008, "문화일보", "유일석간 살구빛신문", "https://www.munhwa.com/"},
    {3009, "세계일보", "세계닷컴", "https://www.segye.com/"},
    {3010, "연합뉴스", "바른언론 빠른뉴스 인터넷 연합뉴스", "https://www.yna.co.kr/"},
};

// Frame12(0), Label2 "경제신문"
constexpr Item kEconomy[] = {
    {3100, "한국경제", "온라인 한국경제신문 | 한경닷컴", "https://www.hankyung.com/"},
    {3101, "매일경제", "No.1 경제포털", "https://www.mk.co.kr/"},
    {3102, "서울경제", "서울경제신문", "https://www.sedaily.com/"},
    {3103, "머니투데이", "⊙ 컬러 머니뉴스 강한 경제신문 \"머니투데이\"", "https://www.mt.co.kr/"},
    {3104, "헤럴드경제", "Fusion Power - 대중경영문화지 '헤럴드경제'",
     "https://biz.heraldcorp.com/"},
    {3105, "이데일리", "edaily - 빠르고 정확한 뉴스 이데일리", "https://www.edaily.co.kr/"},
    {3106, "제일경제", "디지탈 제일경제", ARCHIVE "http://www.jed.co.kr/"},  // closed
    {3107, "스탁데일리", "more than news : 스탁데일리",
     ARCHIVE "http://www.stockdaily.co.kr/"},  // closed
};

// Frame13(0), Label3 "스포츠신문"
constexpr Item kSports[] = {
    {3200, "굿데이", "굿데이신문", ARCHIVE "http://www.gooddaysports.co.kr/"},  // closed
    {3201, "스포츠서울", "스포츠서울닷컴 http://www.sportsseoul.com",
     "https://www.sportsseoul.com/"},
    {3202, "일간스포츠", "스포츠i", "https://isplus.com/"},
    {3203, "스포츠조선", ":: 스포츠조선 ::", "sports.chosun.com"},  // bare host name
    {3204, "스포츠투데이", "http://www.stoo.com 스포츠의 모든 것 - 스포츠 투데이",
     ARCHIVE "http://www.stoo.com/"},  // closed
    {3205, "조이뉴스24", "'즐거운 연예-스포츠 세상' - [조이뉴스24]", "https://www.joynews24.com/"},
    {3206, "ETN", "ETN - Entertainment News", ARCHIVE "http://www.etn.co.kr/"},  // closed
};

// Frame14(0), Label4 "정보 IT 신문"
constexpr Item kIt[] = {
    {3300, "디지털타임스", "디지털타임스-디지털시대의 디지털경제지", "https://www.dt.co.kr/"},
    {3301, "전자신문", "전자신문 : The Electronic Times Internet", "https://www.etnews.com/"},
    {3302, "아이뉴스24", "'e-하루의 시작' - [inews24]", "https://www.inews24.com/"},
    {3303, "K모바일", "K모바일 \"대한민국 모바일 뉴스\"",
     ARCHIVE "http://www.kmobile.co.kr/"},                                       // closed
    {3304, "스카이벤처", "스카이벤처", ARCHIVE "http://www.skyventure.co.kr/"},  // closed
    {3305, "전자정보신문", "전자정보신문 - IT정보의 길잡이",
     ARCHIVE "http://www.eint.co.kr/"},  // closed
    {3306, "ZDNet Korea", "ZDNet Korea... 디지털 시대의 선명한 기준", "https://zdnet.co.kr/"},
    {3307, "Data NEWS", ":::::::::: Data NEWS", "https://www.datanet.co.kr/"},
    {3308, "모바일컴", "이동 무선통신 전문월간지 모바일컴",
     ARCHIVE "http://www.mobilecom.co.kr/"},  // closed
};

// Frame15(0), Label5 "인터넷신문"
constexpr Item kInternet[] = {
    {3400, "오마이뉴스", "뉴스게릴라들의 뉴스연대 - 오마이뉴스", "https://www.ohmynews.com/"},
    {3401, "프레시안", "관점이 있는 뉴스 - 프레시안", "https://www.pressian.com/"},
    {3402, "딴지일보", "딴지일보", "www.ddanzi.com"},  // bare host name
    {3403, "도깨비뉴스", "도깨비뉴스닷컴 http://www.dkbnews.com",
     ARCHIVE "http://www.dkbnews.com/"},  // closed
    {3404, "뉴스와이어", "NewsWire-보도자료 통신사 뉴스와이어", "https://www.newswire.co.kr/"},
    {3405, "브레이크뉴스", "한국언론의 세대교체◆브레이크뉴스닷컴◆", "https://www.breaknews.com/"},
    {3406, "민중의소리", "민중의 소리", "https://www.vop.co.kr/"},
    {3407, "독립신문", "'젊고 강한 신문' 인터넷 독립신문", "https://www.independent.co.kr/"},
    {3408, "미디어몹", "미디어몹 - Connect to the Earth",
     ARCHIVE "http://www.mediamob.co.kr/"},  // closed
    {3409, "대자보", "진보와 정론의 인터넷 마당 - 대자보", "https://www.jabo.co.kr/"},
    {3410, "노컷뉴스", "노컷뉴스", "https://www.nocutnews.co.kr/"},
    {3411, "뉴스타운", "열린사회 바른언론 - 뉴스타운", "https://www.newstown.co.kr/"},
};

// Frame16(0), Label6 "포털 / 해외"
constexpr Item kPortal[] = {
    {3500, "미디어다음", "Daum 미디어다음", "https://news.daum.net/"},
    {3501, "네이버 뉴스", "뉴스 :: 네이버", "https://news.naver.com/"},
    // Empas closed and joined Nate: its successor's news.
    {3502, "엠파스 뉴스", "엠파스 뉴스 - 가장 빠른 뉴스", "https://news.nate.com/"},
    {3503, "MBC 뉴스", "만나면 좋은 친구 MBC http://www.imbc.com", "https://imnews.imbc.com/"},
    {3504, "SBS 뉴스", "세상의 모든 방송 SBS http://www.sbs.co.kr", "https://news.sbs.co.kr/"},
    {3505, "KBS 뉴스", "KBS Online! 함께 가자, 대한민국", "https://news.kbs.co.kr/"},
    {3506, "YTN", "24 HOUR NEWS CHANNEL :::::::::::::::  YTN (와이티앤)", "https://www.ytn.co.kr/"},
    heading("해외뉴스"),
    {3507, "CNN", nullptr, "https://edition.cnn.com/"},
    {3508, "USA TODAY", nullptr, "https://www.usatoday.com/"},
    {3509, "REUTERS", nullptr, "https://www.reuters.com/"},
    {3510, "New York Times", nullptr, "https://www.nytimes.com/"},
    {3511, "washingtonpost", nullptr, "https://www.washingtonpost.com/"},
    {3512, "TIME", nullptr, "https://time.com/"},
    {3513, "아사히 신문", "일본 - 아사히 신문 실시간 번역", "https://www.asahi.com/",
     "[일본] 아사히신문 실시간 번역"},
    {3514, "요미우리 뉴스", "일본 - 요미우리 뉴스 실시간 번역", "https://www.yomiuri.co.jp/",
     "[일본] 요미우리신문 실시간 번역"},
    {3515, "닛칸 스포츠", "일본 - 닛케이 스포츠 실시간 번역", "https://www.nikkansports.com/",
     "[일본] 닛케이스포츠 실시간 번역"},
    {3516, "닛케이 신문", "일본 - 닛케이 신문 실시간 번역", "https://www.nikkei.com/",
     "[일본] 닛케이신문 실시간 번역"},
};

// Frame11(0), Label10 "생활정보지"
constexpr Item kLiving[] = {
    {3000, "FindAll", nullptr, "https://www.findall.co.kr/"},
    {3001, "교차로", nullptr, "https://www.icross.co.kr/"},
    {3002, "가로수닷컴", nullptr, "https://www.garosu.com/"},
    {3003, "FindGood", nullptr, ARCHIVE "http://www.findgood.co.kr/"},  // closed
    {3004, "JLIFE", nullptr, ARCHIVE "http://www.jlife.co.kr/"},        // closed
    heading("무료일간지"),
    {3005, "Focus", nullptr, ARCHIVE "http://www.focus.co.kr/"},  // closed
    {3006, "metro", nullptr, "https://www.metroseoul.co.kr/"},
    {3007, "am SEVEN", nullptr, ARCHIVE "http://www.am7.co.kr/"},  // closed
};

// Frame12(4), Label11 "시사/경제"
constexpr Item kCurrent[] = {
    {3100, "미디어오늘", nullptr, "https://www.mediatoday.co.kr/"},
    {3101, "월간조선", nullptr, "https://monthly.chosun.com/"},
    {3102, "한겨레21", nullptr, "https://h21.hani.co.kr/"},
    {3103, "iTOOZA", nullptr, ARCHIVE "http://www.itooza.com/"},  // closed
    {3104, "Economy21", nullptr, "https://www.economy21.co.kr/"},
    {3105, "ECONOMIST", nullptr, "https://jmagazine.joins.com/economist"},
    {3106, "시사저널", nullptr, "https://www.sisajournal.com/"},
    {3107, "신동아", nullptr, "https://shindonga.donga.com/"},
    {3108, "digital 말", nullptr, ARCHIVE "http://www.digitalmal.com/"},     // closed
    {3109, "BIZNET TIMES", nullptr, ARCHIVE "http://www.biznettimes.com/"},  // closed
    {3110, "월간중앙", nullptr, "https://jmagazine.joins.com/monthly"},
    {3112, "시사포커스", nullptr, "https://www.sisafocus.co.kr/"},
};

// Frame13(1), Label12 "패션/의류"
constexpr Item kFashion[] = {
    {3200, "iKissyou", nullptr, ARCHIVE "http://www.ikissyou.com/"},  // closed
    // Vogue Girl Korea closed: the mother magazine.
    {3201, "보그걸", nullptr, "https://www.vogue.co.kr/"},
    {3202, "VOGUE", nullptr, "https://www.vogue.co.kr/"},
    {3203, "kiki", nullptr, ARCHIVE "http://www.kiki.co.kr/"},  // closed
    {3204, "ELLE", nullptr, "https://www.elle.co.kr/"},
    {3205, "Fashionbiz", nullptr, "https://www.fashionbiz.co.kr/"},
    {3206, "hyangjang", nullptr, ARCHIVE "http://www.hyangjang.com/"},  // closed
    {3207, "GQ Korea", nullptr, "https://www.gqkorea.co.kr/"},
    {3208, "FashionInsight", nullptr, "https://www.fashioninsight.co.kr/"},
    {3209, "휘가로걸", nullptr, ARCHIVE "http://www.figarogirl.co.kr/"},   // closed
    {3210, "madame FIGARO", nullptr, ARCHIVE "http://www.figaro.co.kr/"},  // closed
};

// Frame14(1), Label13 "여성/주부"
constexpr Item kWomen[] = {
    {3300, "allure", nullptr, "https://www.allurekorea.com/"},
    {3301, "여성중앙", nullptr, ARCHIVE "http://woman.joins.com/"},  // closed
    {3302, "여성조선", nullptr, "https://woman.chosun.com/"},
    {3303, "LEMON TREE", nullptr, ARCHIVE "http://www.lemontree.co.kr/"},  // closed
    {3304, "my wedding", nullptr, "https://www.mywedding.co.kr/"},
    {3305, "enfant", nullptr, ARCHIVE "http://www.enfant.co.kr/"},      // closed
    {3306, "줌마~아줌마", nullptr, ARCHIVE "http://www.azoomma.com/"},  // closed
};

// Frame15(1), Label14 "자동차"
constexpr Item kCars[] = {
    {3400, "Auto spy", nullptr, ARCHIVE "http://www.autospy.net/"},       // closed
    {3402, "Carlife", nullptr, ARCHIVE "http://www.carlife.net/"},        // closed
    {3403, "Car & Tech", nullptr, ARCHIVE "http://www.carntech.co.kr/"},  // closed
    {3404, "MegaAuto", nullptr, ARCHIVE "http://www.megaauto.com/"},      // closed
    heading("중고차포탈"),
    {3405, "BoBaeDream", nullptr, "https://www.bobaedream.co.kr/"},
    {3406, "enCar", nullptr, "https://www.encar.com/"},
    {3407, "Yalge", nullptr, ARCHIVE "http://www.yalge.com/"},  // closed
};

// Frame16(1), Label15 "컴퓨터"
constexpr Item kComputers[] = {
    {3500, "K-BENCH", nullptr, "https://www.kbench.com/"},
    {3501, "pcBee", nullptr, ARCHIVE "http://www.pcbee.co.kr/"},  // closed
    {3502, "BENCHBEE", nullptr, "https://www.benchbee.co.kr/"},
    {3503, "BETANEWS", nullptr, "https://betanews.net/"},
    {3504, "알럽피씨", nullptr, ARCHIVE "http://www.iloveypc.com/"},  // closed
    {3505, "HOW PC", nullptr, ARCHIVE "http://www.howpc.com/"},       // closed
    {3506, "마이크로 소프트", nullptr, "https://www.microsoft.com/ko-kr/"},
    {3507, "Windows", nullptr, "https://www.microsoft.com/ko-kr/windows"},
    {3508, "manian", nullptr, ARCHIVE "http://www.manian.com/"},              // closed
    {3509, "Tiptech", nullptr, ARCHIVE "http://www.tiptech.co.kr/"},          // closed
    {3510, "OfficeTutor", nullptr, ARCHIVE "http://www.officetutor.co.kr/"},  // closed
    {3511, "NB inside", nullptr, ARCHIVE "http://www.nbinside.com/"},         // closed
    heading("개발사이트"),
    {3513, "PHPSCHOOL", nullptr, "https://www.phpschool.com/"},
    {3514, "DEVPIA", nullptr, "https://www.devpia.com/"},
    {3515, "nzeo", nullptr, ARCHIVE "http://www.nzeo.com/"},  // closed
    heading("바이러스"),
    // The institute is now AhnLab.
    {3516, "안철수연구소", nullptr, "https://www.ahnlab.com/"},
    {3517, "HAURI", nullptr, "https://www.hauri.co.kr/"},
    heading("소프트웨어"),
    {3518, "simFile", nullptr, ARCHIVE "http://www.simfile.co.kr/"},              // closed
    {3519, "myfolder", nullptr, ARCHIVE "http://www.myfolder.co.kr/"},            // closed
    {3520, "쉐어웨어코리아", nullptr, ARCHIVE "http://www.sharewarekorea.com/"},  // closed
    {3521, "atFile", nullptr, ARCHIVE "http://www.atfile.com/"},                  // closed
    {3522, "BOMUL", nullptr, ARCHIVE "http://www.bomul.com/"},                    // closed
};

// Frame11(2), Label17 "증권 Stock"
constexpr Item kStocks[] = {
    // LG Investment became Woori Investment, now NH Investment & Securities.
    {3000, "LG 투자증권", nullptr, "https://www.nhqv.com/"},
    {3001, "SAMSUNG fn", nullptr, "https://www.samsungpop.com/"},
    {3002, "kiwoom", nullptr, "https://www.kiwoom.com/"},
    // Daewoo Securities' online brand; Daewoo is now Mirae Asset.
    {3003, "BESTez", nullptr, "https://securities.miraeasset.com/"},
    {3004, "MIRAE ASSET", nullptr, "https://securities.miraeasset.com/"},
    // Hyundai Securities' service; Hyundai merged into KB Securities.
    {3005, "goodi", nullptr, "https://www.kbsec.com/"},
    {3006, "한화증권", nullptr, "https://www.hanwhawm.com/"},
    heading("증권정보"),
    {3007, "PAXNet", nullptr, "https://www.paxnet.co.kr/"},
    {3008, "THINKPOOL", nullptr, "https://www.thinkpool.com/"},
    {3009, "ANCHOR STOCK", nullptr, ARCHIVE "http://www.anchorstock.co.kr/"},  // closed
    {3010, "NAVER 금융", nullptr, "https://finance.naver.com/"},
    {3011, "SOLon", nullptr, ARCHIVE "http://www.solon.co.kr/"},      // closed
    {3012, "fistock", nullptr, ARCHIVE "http://www.fistock.com/"},    // closed
    {3013, "SURENet", nullptr, ARCHIVE "http://www.surenet.co.kr/"},  // closed
    {3014, "echat", nullptr, ARCHIVE "http://www.echat.co.kr/"},      // closed
};

// Frame12(2), Label18 "은행 Bank"
constexpr Item kBanks[] = {
    {3100, "KB", nullptr, "https://www.kbstar.com/"},
    {3101, "우리은행", nullptr, "https://www.wooribank.com/"},
    {3102, "농협", nullptr, "https://banking.nonghyup.com/"},
    // Merged into KEB Hana Bank.
    {3103, "외환은행", nullptr, "https://www.kebhana.com/"},
    // Merged into Shinhan Bank.
    {3104, "조흥은행", nullptr, "https://www.shinhan.com/"},
    {3105, "신한은행", nullptr, "https://www.shinhan.com/"},
    {3106, "하나은행", nullptr, "https://www.kebhana.com/"},
    // Now SC First Bank.
    {3107, "제일은행", nullptr, "https://www.standardchartered.co.kr/"},
    {3108, "기업은행", nullptr, "https://www.ibk.co.kr/"},
    // Became Citibank Korea.
    {3109, "한미은행", nullptr, "https://www.citibank.co.kr/"},
    {3110, "한국수출입은행", nullptr, "https://www.koreaexim.go.kr/"},
    {3111, "한국산업은행", nullptr, "https://www.kdb.co.kr/"},
    {3112, "한국은행", nullptr, "https://www.bok.or.kr/"},
    heading("카드회사"),
    {3113, "samsungcard", nullptr, "https://www.samsungcard.com/"},
    {3114, "KB카드", nullptr, "https://card.kbcard.com/"},
    {3115, "비씨카드", nullptr, "https://www.bccard.com/"},
    // Merged into Shinhan Card.
    {3116, "LG카드", nullptr, "https://www.shinhancard.com/"},
    {3117, "HyundaiCard", nullptr, "https://www.hyundaicard.com/"},
};

// Frame13(2), Label19 "취업 Job"
constexpr Item kJobs[] = {
    {3200, "JOBKOREA", nullptr, "https://www.jobkorea.co.kr/"},
    {3201, "Incruit", nullptr, "https://www.incruit.com/"},
    {3202, "SCOUT", nullptr, ARCHIVE "http://www.scout.co.kr/"},      // closed
    {3203, "Recruit", nullptr, ARCHIVE "http://www.recruit.co.kr/"},  // closed
    {3204, "JobLink", nullptr, ARCHIVE "http://www.joblink.co.kr/"},  // closed
};

// Frame14(2), Label20 "교통정보"
constexpr Item kTraffic[] = {
    {3300, "Congnamul", nullptr, ARCHIVE "http://www.congnamul.com/"},  // closed
    {3301, "FREE MAP", nullptr, ARCHIVE "http://www.freemap.co.kr/"},   // closed
    {3302, "지도검색", nullptr, "https://map.kakao.com/"},
    {3303, "CYBERMAP", nullptr, ARCHIVE "http://www.cybermap.co.kr/"},  // closed
    heading("지하철정보"),
    {3304, "web subway", nullptr, ARCHIVE "http://www.websubway.com/"},  // closed
    {3305, "MEIS", nullptr, ARCHIVE "http://www.meis.co.kr/"},           // closed
    heading("교통정보"),
    {3306, "ROAD", nullptr, "https://www.its.go.kr/"},
    heading("항공"),
    {3307, "KOREAN AIR", nullptr, "https://www.koreanair.com/"},
    {3308, "아시아나항공", nullptr, "https://flyasiana.com/"},
    heading("철도"),
    // The railway's old booking site; bookings are now on the rail operator's site.
    {3309, "BAROTA", nullptr, "https://www.letskorail.com/"},
    {3310, "KORAIL", nullptr, "https://www.korail.com/"},
    heading("고속버스"),
    // Express-bus booking moved to the bus operators' joint site.
    {3311, "웹터미널", nullptr, "https://www.kobus.co.kr/"},
    {3312, "이지티켓", nullptr, ARCHIVE "http://www.easyticket.co.kr/"},  // closed
    {3313, "고속버스터미널", nullptr, "https://www.exterminal.co.kr/"},
};

// Frame15(2), Label21 "통신정보"
constexpr Item kTelecom[] = {
    {3400, "SK Telecom", nullptr, "https://www.sktelecom.com/"},
    // KTF merged into KT; LG Telecom is now LG U+.
    {3401, "KTF", nullptr, "https://www.kt.com/"},
    {3402, "LG Telecom", nullptr, "https://www.lguplus.com/"},
    heading("핸드폰정보"),
    {3403, "Cetizen", nullptr, "https://www.cetizen.com/"},
    {3404, "AnycallLAND", nullptr, "https://www.samsung.com/sec/"},
    {3405, "SK Teletech", nullptr, ARCHIVE "http://www.skteletech.co.kr/"},  // closed
    // LG's phone brand ended: the maker's Korean site.
    {3406, "CYON", nullptr, "https://www.lge.co.kr/"},
    {3407, "MOTOROLA", nullptr, "https://www.motorola.com/"},
    heading("고객지원센터"),
    {3408, "e-Station", nullptr, "https://www.tworld.co.kr/"},
    {3409, "KTF MEMBERS", nullptr, "https://membership.kt.com/"},
    {3410, "My LGT", nullptr, "https://www.lguplus.com/"},
    heading("통신회사"),
    {3411, "Let's KT", nullptr, "https://www.kt.com/"},
    // Hanaro Telecom is now SK Broadband; DACOM merged into LG U+.
    {3412, "하나로통신", nullptr, "https://www.bworld.co.kr/"},
    {3413, "DACOM", nullptr, "https://www.lguplus.com/"},
};

// Frame11(3), Label25 "영화 Movie"
constexpr Item kMovies[] = {
    {3000, "MOVIST", nullptr, ARCHIVE "http://www.movist.com/"},         // closed
    {3001, "Cine Seoul", nullptr, ARCHIVE "http://www.cineseoul.com/"},  // closed
    {3002, "FILM2.0", nullptr, ARCHIVE "http://www.film2.co.kr/"},       // closed
    {3003, "nkino", nullptr, ARCHIVE "http://www.nkino.com/"},           // closed
    heading("영화TV"),
    {3004, "OCN", nullptr, "https://ocn.cjenm.com/"},
    {3005, "SUPER ACTION", nullptr, ARCHIVE "http://www.superaction.co.kr/"},  // closed
    {3006, "Catch ON", nullptr, "https://www.catchon.co.kr/"},
    {3007, "MOVIE PLUS", nullptr, ARCHIVE "http://www.movieplus.co.kr/"},  // closed
    heading("영화관"),
    {3008, "CGV", nullptr, "https://www.cgv.co.kr/"},
    {3009, "MEGABOX", nullptr, "https://www.megabox.co.kr/"},
    heading("영화예매"),
    {3010, "maxmovie", nullptr, ARCHIVE "http://www.maxmovie.com/"},  // closed
    {3011, "TicketLink", nullptr, "https://www.ticketlink.co.kr/"},
    {3012, "티켓파크", nullptr, ARCHIVE "http://www.ticketpark.com/"},  // closed
};

// Frame12(3), Label24 "게임 Game"
constexpr Item kGames[] = {
    {3100, "NetMarble", nullptr, "https://www.netmarble.com/"},
    {3101, "HanGame", nullptr, "https://www.hangame.com/"},
    {3102, "pmang", nullptr, "https://www.pmang.com/"},
    {3103, "mgame", nullptr, "https://www.mgame.com/"},
    {3104, "norazo", nullptr, ARCHIVE "http://www.norazo.com/"},        // closed
    {3105, "candybar", nullptr, ARCHIVE "http://www.candybar.co.kr/"},  // closed
    {3107, "NEXON", nullptr, "https://www.nexon.com/"},
    heading("게임정보"),
    {3108, "Ruliweb", nullptr, "https://bbs.ruliweb.com/"},
    {3109, "PLAYFORUM", nullptr, ARCHIVE "http://www.playforum.net/"},  // closed
    {3110, "GAMESPOT", nullptr, "https://www.gamespot.com/"},
    {3112, "GameMeca", nullptr, "https://www.gamemeca.com/"},
    {3113, "games", nullptr, ARCHIVE "http://www.games.co.kr/"},        // closed
    {3114, "XBOXZONE", nullptr, ARCHIVE "http://www.xboxzone.co.kr/"},  // closed
    heading("게임TV"),
    {3115, "ongamenet", nullptr, ARCHIVE "http://www.ongamenet.com/"},  // closed
    {3116, "gameTV", nullptr, ARCHIVE "http://www.gametv.co.kr/"},      // closed
    heading("전문게임"),
    {3117, "BRANDSTOCK", nullptr, ARCHIVE "http://www.brandstock.co.kr/"},  // closed
    {3119, "PETGAME", nullptr, ARCHIVE "http://www.petgame.com/"},          // closed
    heading("고전게임"),
    {3120, "EMULLAND", nullptr, ARCHIVE "http://www.emulland.net/"},  // closed
    {3121, "Neo Emul", nullptr, ARCHIVE "http://www.neoemul.com/"},   // closed
    {3122, "아사달게임", nullptr, ARCHIVE "http://www.asadal.com/"},  // closed
};

// Frame13(3), Label23 "만화/유모"
constexpr Item kComics[] = {
    {3200, "NATE 만화", nullptr, "https://comics.nate.com/"},
    {3201, "코믹스 투데이", nullptr, ARCHIVE "http://www.comicstoday.co.kr/"},  // closed
    {3202, "COMICPLUS", nullptr, ARCHIVE "http://www.comicplus.co.kr/"},        // closed
    {3203, "eComiX", nullptr, ARCHIVE "http://www.ecomix.co.kr/"},              // closed
    heading("만화TV"),
    {3204, "투니버스", nullptr, "https://tooniverse.cjenm.com/"},
    heading("플래쉬만화"),
    {3205, "xNews", nullptr, ARCHIVE "http://www.xnews.co.kr/"},       // closed
    {3206, "마시마로", nullptr, ARCHIVE "http://www.mashimaro.com/"},  // closed
    heading("만화가"),
    {3207, "MARINEBLUES", nullptr, ARCHIVE "http://www.marineblues.net/"},  // closed
    {3208, "Kangfull", nullptr, ARCHIVE "http://www.kangfull.com/"},        // closed
    {3209, "snowcat", nullptr, ARCHIVE "http://www.snowcat.co.kr/"},        // closed
    heading("유모"),
    {3210, "Humoruniv", nullptr, "https://web.humoruniv.com/"},
    {3211, "오늘의유머", nullptr, "https://www.todayhumor.co.kr/"},
};

// Frame14(3), Label22 "음악 Music"
constexpr Item kMusic[] = {
    {3300, "Bugs", nullptr, "https://music.bugs.co.kr/"},
    {3301, "Max MP3", nullptr, ARCHIVE "http://www.maxmp3.co.kr/"},     // closed
    {3302, "NOWMUSIC", nullptr, ARCHIVE "http://www.nowmusic.co.kr/"},  // closed
    {3303, "Muzcast", nullptr, ARCHIVE "http://www.muzcast.com/"},      // closed
    {3304, "MUFE", nullptr, ARCHIVE "http://www.mufe.co.kr/"},          // closed
    {3305, "OMUSIC", nullptr, ARCHIVE "http://www.omusic.co.kr/"},      // closed
    heading("음악방송국"),
    {3306, "m-net", nullptr, "https://mnet.cjenm.com/"},
    {3307, "MTV KOREA", nullptr, ARCHIVE "http://www.mtvkorea.com/"},  // closed
    {3308, "KM TV", nullptr, ARCHIVE "http://www.kmtv.co.kr/"},        // closed
    heading("인터넷방송"),
    {3309, "LETSMUSIC", nullptr, ARCHIVE "http://www.letsmusic.com/"},    // closed
    {3310, "IN LIVE", nullptr, ARCHIVE "http://www.inlive.co.kr/"},       // closed
    {3311, "asiamusic", nullptr, ARCHIVE "http://www.asiamusic.co.kr/"},  // closed
};

// Frame15(3), Label16 "인터넷 Joy"
constexpr Item kJoy[] = {
    {3400, "SayClub", nullptr, ARCHIVE "http://www.sayclub.com/"},  // closed
    {3401, "Skylove", nullptr, ARCHIVE "http://www.skylove.com/"},  // closed
    {3402, "Daum 카페", nullptr, "https://top.cafe.daum.net/"},
    {3403, "FREECHAL", nullptr, ARCHIVE "http://www.freechal.com/"},  // closed
    {3404, "cyworld", nullptr, "https://cyworld.com/"},
    heading("전문커뮤니티"),
    {3405, "버디버디", nullptr, ARCHIVE "http://www.buddybuddy.co.kr/"},        // closed
    {3406, "I love school", nullptr, ARCHIVE "http://www.iloveschool.co.kr/"},  // closed
    {3407, "DamDim", nullptr, ARCHIVE "http://www.damdim.com/"},                // closed
    {3408, "Salaryman", nullptr, ARCHIVE "http://www.salaryman.co.kr/"},        // closed
    {3409, "피플475", nullptr, ARCHIVE "http://www.people475.com/"},            // closed
    {3410, "GODpeople", nullptr, "https://www.godpeople.com/"},
    {3411, "HOSANNA", nullptr, ARCHIVE "http://www.hosanna.net/"},  // closed
    heading("포털/검색"),
    {3412, "Daum", nullptr, "https://www.daum.net/"},
    {3413, "NAVER", nullptr, "https://www.naver.com/"},
    // Empas joined Nate.
    {3414, "empas", nullptr, "https://www.nate.com/"},
    {3415, "NATE", nullptr, "https://www.nate.com/"},
    // HanaFOS is now SK Broadband.
    {3416, "HanaFOS", nullptr, "https://www.bworld.co.kr/"},
    {3417, "msn", nullptr, "https://www.msn.com/ko-kr"},
    heading("다운로드"),
    {3418, "FDBOX", nullptr, ARCHIVE "http://www.fdbox.co.kr/"},  // closed
    {3419, "Webhard", nullptr, "https://www.webhard.co.kr/"},
    {3420, "팝데스크", nullptr, ARCHIVE "http://www.popdesk.co.kr/"},  // closed
    {3421, "COOLPY", nullptr, ARCHIVE "http://www.coolpy.com/"},       // closed
};

#undef ARCHIVE

const Menu kMenus[] = {
    {"Label1", "종합신문", "Frame2", 11, 4, 0, kGeneral},
    {"Label2", "경제신문", "Frame2", 12, 0, 0, kEconomy},
    {"Label3", "스포츠신문", "Frame2", 13, 0, 0, kSports},
    {"Label4", "정보 IT 신문", "Frame2", 14, 0, 0, kIt},
    {"Label5", "인터넷신문", "Frame2", 15, 0, 0, kInternet},
    {"Label6", "포털 / 해외", "Frame2", 16, 0, 0, kPortal},
    {"Label10", "생활정보지", "Frame3", 11, 0, 1, kLiving},
    {"Label11", "시사/경제", "Frame3", 12, 4, 1, kCurrent},
    {"Label12", "패션/의류", "Frame3", 13, 1, 1, kFashion},
    {"Label13", "여성/주부", "Frame3", 14, 1, 1, kWomen},
    {"Label14", "자동차", "Frame3", 15, 1, 1, kCars},
    {"Label15", "컴퓨터", "Frame3", 16, 1, 1, kComputers},
    {"Label17", "증권 Stock", "Frame4", 11, 2, 2, kStocks},
    {"Label18", "은행 Bank", "Frame4", 12, 2, 2, kBanks},
    {"Label19", "취업 Job", "Frame4", 13, 2, 2, kJobs},
    {"Label20", "교통정보", "Frame4", 14, 2, 2, kTraffic},
    {"Label21", "통신정보", "Frame4", 15, 2, 2, kTelecom},
    {"Label25", "영화 Movie", "Frame5", 11, 3, 3, kMovies},
    {"Label24", "게임 Game", "Frame5", 12, 3, 3, kGames},
    {"Label23", "만화/유모", "Frame5", 13, 3, 3, kComics},
    {"Label22", "음악 Music", "Frame5", 14, 3, 3, kMusic},
    {"Label16", "인터넷 Joy", "Frame5", 15, 3, 3, kJoy},
};

const Bar kBars[] = {
    {"Frame2", "종합신문", {75, 104, 148}},
    {"Frame3", "전문지", {128, 0, 128}},
    {"Frame4", "엔조이뉴스", {64, 64, 64}},
    {"Frame5", nullptr, {53, 113, 61}},
};

}  // namespace

std::span<const Menu> menus() { return kMenus; }

std::span<const Bar> bars() { return kBars; }

}  // namespace presslane::catalogue
