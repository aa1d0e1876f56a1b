<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Numbrella 電卓: 記録と単位換算を備えた 2 オペランドの電卓です。</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>記録に開くテキストファイル。「ファイル &gt; 開く」と同じように開きます。1 つだけです。</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt: ウィンドウシステム、xcb (X11) または wayland。既定ではデスクトップのものです。</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt: 開く X11 ディスプレイ (例: :0)。</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt: ウィジェットのスタイル (例: Fusion)。</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt: ウィンドウを右から左に配置します。</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>オプションは「%1 --help」で確認できます。</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella: 1 つのウィンドウで開ける記録は 1 つです。開かなかったファイル: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>通常のファイルではありません</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>国際単位系（メートル法）（SI）</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>出典: 米国商務省、国立標準局。</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    国際単位系は、メートル法を現代化したものです。国際的な合意によって定められ、科学、産業、商業におけるあらゆる測定に、論理的で相互に関連した枠組みを与えます。この単位系は 7 つの基本単位を土台としており、その他の単位はすべてそこから導かれます。（米国では 1866 年にメートル法による度量衡の使用が合法化され、米国の慣用単位もメートルとキログラムによって定義されています。）</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  長さ - メートル - 1983 年まで、メートルはクリプトン 86 のスペクトルの橙赤色の線の真空中での波長の 1,650,763.73 倍と定義されていました。それ以降は、光が真空中で 1/299,792.45 秒間に進む距離に等しいとされています。</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  時間 - 秒 - 秒は、セシウム 133 原子の特定の遷移に対応する放射の 9,192,631,770 周期の継続時間と定義されています。</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  質量 - キログラム - キログラムの原器は、パリの国際度量衡局が保管する白金イリジウム合金の円柱です。国立標準局にある複製が米国の質量の標準となっています。キログラムは、いまも物体によって定義されている唯一の基本単位です。</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  温度 - ケルビン - ケルビンは、水の三重点の熱力学温度の 1/273.16 と定義されています。三重点とは、水が固体、液体、気体の境界面を形成する点です。これはセルシウス温度（摂氏）で 0.01°C、華氏温度で 32.02°F にあたります。温度 0°K は「絶対零度」と呼ばれます。</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  電流 - アンペア - アンペアは、自由空間に 1 メートルの間隔で平行に置かれた 2 本の長い導線のそれぞれに流したとき、導線間に（その磁界によって）長さ 1 メートルごとに 2 × 10-7 ニュートンの力を生じさせる電流と定義されています。（ニュートンは、1 キログラムの質量に加えたときに毎秒毎秒 1 メートルの加速度を生じさせる力の単位です。）</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  光度 - カンデラ - カンデラは、白金の凝固点の温度（2,042°K）における 1/600,000 平方メートルの空洞の光度と定義されています。</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  物質量 - モル - モルは、0.012 キログラムの炭素 12 に含まれる原子と同数の要素粒子を含む系の物質量です。</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>メートル</translation>
    </message>
    <message>
        <source>length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>キログラム</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>質量</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>アンペア</translation>
    </message>
    <message>
        <source>electric current</source>
        <translation>電流</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>ケルビン</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>モル</translation>
    </message>
    <message>
        <source>amount of substance</source>
        <translation>物質量</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>カンデラ</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>光度</translation>
    </message>
    <message>
        <source>yotta-</source>
        <translation>ヨタ</translation>
    </message>
    <message>
        <source>zetta-</source>
        <translation>ゼタ</translation>
    </message>
    <message>
        <source>exa-</source>
        <translation>エクサ</translation>
    </message>
    <message>
        <source>peta-</source>
        <translation>ペタ</translation>
    </message>
    <message>
        <source>tera-</source>
        <translation>テラ</translation>
    </message>
    <message>
        <source>giga-</source>
        <translation>ギガ</translation>
    </message>
    <message>
        <source>mega-</source>
        <translation>メガ</translation>
    </message>
    <message>
        <source>kilo-</source>
        <translation>キロ</translation>
    </message>
    <message>
        <source>hecto-</source>
        <translation>ヘクト</translation>
    </message>
    <message>
        <source>deca-</source>
        <translation>デカ</translation>
    </message>
    <message>
        <source>deci-</source>
        <translation>デシ</translation>
    </message>
    <message>
        <source>centi-</source>
        <translation>センチ</translation>
    </message>
    <message>
        <source>milli-</source>
        <translation>ミリ</translation>
    </message>
    <message>
        <source>micro-</source>
        <translation>マイクロ</translation>
    </message>
    <message>
        <source>nano-</source>
        <translation>ナノ</translation>
    </message>
    <message>
        <source>pico-</source>
        <translation>ピコ</translation>
    </message>
    <message>
        <source>femto-</source>
        <translation>フェムト</translation>
    </message>
    <message>
        <source>atto-</source>
        <translation>アト</translation>
    </message>
    <message>
        <source>zepto-</source>
        <translation>ゼプト</translation>
    </message>
    <message>
        <source>yocto-</source>
        <translation>ヨクト</translation>
    </message>
</context>
<context>
    <name>numbrella::UnitCatalogue</name>
    <message>
        <source>Inches</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>ヤード</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>マイル</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>ミリメートル</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>センチメートル</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>メートル</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>キロメートル</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>平方インチ</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>平方フィート</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>平方ヤード</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>平方マイル</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>平方ミリメートル</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>平方センチメートル</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>平方メートル</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>平方キロメートル</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>ガロン/秒</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>ガロン/分</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>リットル/秒</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>リットル/分</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>英馬力 (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>ワット</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>キロワット</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>メガワット</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>オンス（常衡）</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>ポンド（常衡）</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>米トン（常衡 2000 ポンド）</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>グラム</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>キログラム</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>メガグラム</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>ミリバール</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>バール</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>パスカル</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>キロパスカル</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>フィート/秒</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>フィート/分</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>マイル/時</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>メートル/秒</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>メートル/分</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>キロメートル/時</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>摂氏</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>華氏</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>立方インチ</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>立方フィート</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>立方ヤード</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>立方センチメートル</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>立方メートル</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>パイント</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>クォート</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>ガロン</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>リットル</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>オンス重/インチ</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>オンス重/フィート</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>インチポンド (lbf/in)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>フィートポンド (lbf/ft)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>ニュートンメートル</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>カロリー</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>ポンド重インチ</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>ポンド重フィート</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>英馬力時</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>ジュール</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>キロワット時</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>ダイン</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>グラム重</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>キログラム重</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>ミリニュートン</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>ニュートン</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>キロニュートン</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>オンス重</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>ポンド重</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>フレーム</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>フートカンデラ</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>ルクス</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>メートルカンデラ</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>バイト (B)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>キロバイト (KB)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>メガバイト (MB)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>ギガバイト (GB)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>テラバイト (TB)</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>面積(&amp;A)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面積</translation>
    </message>
    <message>
        <source>The measure of a bounded region on a plane</source>
        <translation>平面上で区切られた領域の広さ</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>メモリ/ディスク容量(&amp;C)</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>メモリ/ディスク容量</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> デジタル機器のメモリとストレージの容量。 </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>距離(&amp;D)</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>2 点を結ぶ線の長さ</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>エネルギー(&amp;G)</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>エネルギー</translation>
    </message>
    <message>
        <source>The capacity for doing work - in modern physics, matter and energy are regarded as equivalents</source>
        <translation>仕事をする能力 - 現代物理学では、物質とエネルギーは等価とみなされる</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>流量(&amp;F)</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>流量</translation>
    </message>
    <message>
        <source>The amount of liquid passing by a fixed point during a prescribed amount of time</source>
        <translation>定められた時間内に固定点を通過する液体の量</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>力(&amp;O)</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>力</translation>
    </message>
    <message>
        <source>The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object</source>
        <translation>静止している物体を動かしたり、運動している物体の運動を変えたりする原因または作用</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>光(&amp;L)</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>光</translation>
    </message>
    <message>
        <source>The rate of flow of light radiation with respect to the sense of sight</source>
        <translation>視覚に対する光放射の流れの割合</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>質量(&amp;M)</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>質量</translation>
    </message>
    <message>
        <source>The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass</source>
        <translation>慣性によって測られる物体中の物質の量: 実験により、物体に働く重力はその質量に比例することがわかっている</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>仕事率(&amp;W)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>仕事率</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>単位時間あたりになされる仕事</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>圧力(&amp;P)</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>圧力</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>単位面積あたりの力</translation>
    </message>
    <message>
        <source>T&amp;emperature</source>
        <translation>温度(&amp;E)</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>A measure of the average kinetic energy per molecule in a body</source>
        <translation>物体中の分子 1 個あたりの平均運動エネルギーの尺度</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>トルク(&amp;T)</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>トルク</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>力のモーメント（トルク）- 力が、それが働く物体を軸の周りに回転させようとする傾向の尺度</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>速度(&amp;Y)</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time</source>
        <translation>速度（速さ）- 距離の時間に対する変化率: 距離を時間で割った値で表される</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>体積(&amp;V)</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>体積</translation>
    </message>
    <message>
        <source>The quantity of space an object occupies</source>
        <translation>物体が占める空間の量</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Numbrella 電卓 - 無題</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Numbrella 電卓 </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>「%1」を開けません。</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>記録を「%1」に保存できません。</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>記録を「%1」で印刷できませんでした。</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Numbrella 電卓</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        ゼロで割ることはできません！</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>この電卓では負の数の平方根を求められません</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>負の数</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>エラーが発生しました（オーバーフローの可能性があります）....<byte value="xd"/>
作業を続けてください。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            プリンターやファックスのフォントがありません</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>これは何のフォントですか？</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>既存の値を上書きしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>すべての定数をクリアしてもよろしいですか？</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>よろしいですか？</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>このドキュメントを保存しますか？</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>現在のドキュメントを保存しますか？</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>作業内容を保存しますか？</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>テキストファイルではありません。</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>記録に収まる大きさ（64 MB）を超えています。</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>計算に使用したプログラム....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>詳しくは...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>テキストファイル(*.txt)|*.txt|バッチファイル(*.bat)|*.bat|初期化ファイル(*.ini)|*.ini|すべてのファイル(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>印刷システムが応答しません。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>電卓は記録を保存せずに終了しました（最終変更: %1）。<byte value="xd"/>
保存されていない記録を復元しますか？</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>電卓は記録「%2」を保存せずに終了しました（最終変更: %1）。<byte value="xd"/>
保存されていない記録を復元しますか？</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>保存されていない記録の復元用コピー「%1」を読み込めません。「%2」として保管しました。</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>作業内容を復元しますか？</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>印刷できません: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> SI 情報 </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>変換を逆にする</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>ここにデータを入力</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>変換結果がここに表示されます</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>小数点以下の桁数を選択</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>ここをクリックすると変換を逆にします</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>入力:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>出力:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>小数点以下桁数</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>単位を交換(&amp;S)</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>選択した単位を入れ替えます</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>出力をクリップボードにコピー</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>リスト(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>クリップボードにコピー(&amp;S)</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>選択した単位を入れ替え(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>情報(&amp;I)</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>国際単位系(&amp;I)</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>SI 基本単位(&amp;B)</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>SI 接頭語(&amp;X)</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>変換元:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>変換先:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>使用許諾先<byte value="xd"/>
Zederu Dizira</translation>
    </message>
    <message>
        <source>%1 %2 units</source>
        <extracomment>What a screen reader says for a unit list: %1 is the caption over it (&quot;Convert:&quot; or &quot;Into:&quot;), %2 the category&apos;s title (&quot;Area&quot;).</extracomment>
        <translation>%1 %2の単位</translation>
    </message>
    <message>
        <source>Conversion Calculator</source>
        <translation>単位換算</translation>
    </message>
</context>
<context>
    <name>numbrella::frmNewCalculator1</name>
    <message>
        <source>Operand 1</source>
        <translation>オペランド 1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>演算子</translation>
    </message>
    <message>
        <source>Operand 2</source>
        <translation>オペランド 2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>結果</translation>
    </message>
    <message>
        <source> Multiply </source>
        <translation> 乗算 </translation>
    </message>
    <message>
        <source> Divide </source>
        <translation> 除算 </translation>
    </message>
    <message>
        <source> Add </source>
        <translation> 加算 </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> 減算 </translation>
    </message>
    <message>
        <source> Square root </source>
        <translation> 平方根 </translation>
    </message>
    <message>
        <source> Cube root </source>
        <translation> 立方根 </translation>
    </message>
    <message>
        <source> 1 divided by the number in operand 1 (reciprocal) </source>
        <translation> 1 をオペランド 1 の数値で割る（逆数） </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> オペランド 1 のオペランド 2 乗 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> 符号を反転 </translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>π</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source> Copy answer </source>
        <translation> 結果をコピー </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> 最後にコピーした結果を貼り付け </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>後退 &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> 選択したフィールドで 1 文字削除、または結果をクリア </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> すべてのフィールドと結果をクリア </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>結果の小数点以下の桁数</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>定数</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; クリア(&amp;L)</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> すべての定数をクリア </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> 結果をコピー </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> この値を貼り付け </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>記録を隠す(&amp;H)</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> 記録が消えます </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>記録をクリア(&amp;A)</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> 記録の内容をクリアします </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> 記録を広げる </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> 記録を狭める </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--使用するフォント--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--ファックス &amp; 印刷用--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>太字(&amp;B)</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> 選択したテキストやこれから入力するテキストを太字にします </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> 選択したテキストやこれから入力するテキストを斜体にします </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>フォント:</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> フォントを選択 </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> フォントサイズを選択 </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>行間</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> 記録の新しい項目どうしの間隔を選択 </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>既定のプリンター/ファックス:</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>フォント数:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>保存(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>名前を付けて保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>記録を印刷(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>テキストの背景色(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Workboard</source>
        <translation>記録(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Display Workboard</source>
        <translation>記録を表示(&amp;D)</translation>
    </message>
    <message>
        <source>Clear &amp;Workboard</source>
        <translation>記録をクリア(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>単位換算(&amp;C)</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>記録を表示(&amp;O)</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> 記録が消えます  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> 記録が再び表示されます </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>画面フォント</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>乗算</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>除算</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>加算</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>減算</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>立方根</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>逆数</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>べき乗</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>符号を反転</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>定数をクリア</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>結果を定数 1 にコピー</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>定数 1 を貼り付け</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>定数 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>結果を定数 2 にコピー</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>定数 2 を貼り付け</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>定数 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>結果を定数 3 にコピー</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>定数 3 を貼り付け</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>定数 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>結果を定数 4 にコピー</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>定数 4 を貼り付け</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>定数 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>結果を定数 5 にコピー</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>定数 5 を貼り付け</translation>
    </message>
    <message>
        <source>Constant 5</source>
        <translation>定数 5</translation>
    </message>
    <message>
        <source>Workboard</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Expand workboard</source>
        <translation>記録を広げる</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>記録を狭める</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>ワークシート</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>フォントのプロパティ</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>数値を貼り付け(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>オペランドに使用(&amp;U)</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>貼り付けるものがありません</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>1 つの数値ではありません</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>電卓の範囲外です</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>この行に結果はありません</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> SI 基本単位 </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>量</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIPrefixes1</name>
    <message>
        <source> SI Prefixes </source>
        <translation> SI 接頭語 </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>倍数</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>指数表記</translation>
    </message>
</context>
</TS>
