<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Numbrella 计算器：带有计算记录和单位换算器的双操作数计算器。</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>要在记录中打开的文本文件，如同“文件 &gt; 打开”。只能一个。</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt：窗口系统，xcb (X11) 或 wayland；默认使用桌面的窗口系统。</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt：要打开的 X11 显示，例如 :0。</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt：控件样式，例如 Fusion。</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt：从右到左排列窗口。</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>请尝试“%1 --help”查看选项。</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella：一个窗口只能打开一个记录；未打开：%1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>这不是普通文件</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>国际单位制（公制）（SI）</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>来源：美国商务部，国家标准局。</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    国际单位制是公制的现代化版本，经国际协议确立，为科学、工业和商业中的一切测量提供了一个合乎逻辑、相互关联的框架。该单位制以七个基本单位为基础，其他所有单位均由它们导出。（美国于 1866 年使公制度量衡的使用合法化，美国的习用度量衡单位也是以米和千克来定义的。）</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  长度 - 米 - 1983 年以前，米被定义为氪-86 光谱中橙红色谱线在真空中波长的 1,650,763.73 倍。此后，米等于光在真空中于 1/299,792.45 秒内所经过的距离。</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  时间 - 秒 - 秒被定义为与铯-133 原子的特定跃迁相对应的辐射的 9,192,631,770 个周期的持续时间。</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  质量 - 千克 - 千克的标准是保存在巴黎国际计量局的一个铂铱合金圆柱体。国家标准局保存的一个复制品作为美国的质量标准。千克是唯一仍由实物定义的基本单位。</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  温度 - 开尔文 - 开尔文被定义为水的三相点热力学温度的 1/273.16，即水的固、液、气三态共存的那一点。该点在摄氏温标上为 0.01°C，在华氏温标上为 32.02°F。温度 0°K 称为“绝对零度”。</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  电流 - 安培 - 安培被定义为这样一个电流：若保持在自由空间中相距一米的两根长平行导线中，则两导线之间（由于其磁场）每米长度上产生 2 × 10-7 牛顿的力。（牛顿是力的单位，它作用于一千克质量时，使其获得每秒每秒一米的加速度。）</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  发光强度 - 坎德拉 - 坎德拉被定义为在铂凝固温度（2,042°K）下，面积为 1/600,000 平方米的空腔的发光强度。</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  物质的量 - 摩尔 - 摩尔是一个系统的物质的量，该系统中所包含的基本单元数与 0.012 千克碳-12 的原子数目相等。</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>米</translation>
    </message>
    <message>
        <source>length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>千克</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>质量</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>安培</translation>
    </message>
    <message>
        <source>electric current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>开尔文</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>温度</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>摩尔</translation>
    </message>
    <message>
        <source>amount of substance</source>
        <translation>物质的量</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>坎德拉</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>发光强度</translation>
    </message>
    <message>
        <source>yotta-</source>
        <translation>尧它</translation>
    </message>
    <message>
        <source>zetta-</source>
        <translation>泽它</translation>
    </message>
    <message>
        <source>exa-</source>
        <translation>艾可萨</translation>
    </message>
    <message>
        <source>peta-</source>
        <translation>拍它</translation>
    </message>
    <message>
        <source>tera-</source>
        <translation>太拉</translation>
    </message>
    <message>
        <source>giga-</source>
        <translation>吉咖</translation>
    </message>
    <message>
        <source>mega-</source>
        <translation>兆</translation>
    </message>
    <message>
        <source>kilo-</source>
        <translation>千</translation>
    </message>
    <message>
        <source>hecto-</source>
        <translation>百</translation>
    </message>
    <message>
        <source>deca-</source>
        <translation>十</translation>
    </message>
    <message>
        <source>deci-</source>
        <translation>分</translation>
    </message>
    <message>
        <source>centi-</source>
        <translation>厘</translation>
    </message>
    <message>
        <source>milli-</source>
        <translation>毫</translation>
    </message>
    <message>
        <source>micro-</source>
        <translation>微</translation>
    </message>
    <message>
        <source>nano-</source>
        <translation>纳诺</translation>
    </message>
    <message>
        <source>pico-</source>
        <translation>皮可</translation>
    </message>
    <message>
        <source>femto-</source>
        <translation>飞母托</translation>
    </message>
    <message>
        <source>atto-</source>
        <translation>阿托</translation>
    </message>
    <message>
        <source>zepto-</source>
        <translation>仄普托</translation>
    </message>
    <message>
        <source>yocto-</source>
        <translation>幺科托</translation>
    </message>
</context>
<context>
    <name>numbrella::UnitCatalogue</name>
    <message>
        <source>Inches</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>英尺</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>码</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>英里</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>毫米</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>厘米</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>米</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>千米</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>平方英寸</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>平方英尺</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>平方码</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>平方英里</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>平方毫米</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>平方厘米</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>平方米</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>平方千米</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>加仑/秒</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>加仑/分钟</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>升/秒</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>升/分钟</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>马力 (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>瓦</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>千瓦</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>兆瓦</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>盎司（常衡）</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>磅（常衡）</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>短吨（常衡 2000 磅）</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>克</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>千克</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>兆克</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>毫巴</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>巴</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>帕斯卡</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>千帕</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>英尺/秒</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>英尺/分钟</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>英里/小时</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>米/秒</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>米/分钟</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>千米/小时</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>立方英寸</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>立方英尺</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>立方码</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>立方厘米</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>立方米</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>品脱</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>夸脱</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>加仑</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>升</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>盎司力/英寸</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>盎司力/英尺</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>磅力/英寸（英寸磅）</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>磅力/英尺（英尺磅）</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>牛顿米</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>英热单位</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>卡路里</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>磅力英寸</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>磅力英尺</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>马力小时</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>焦耳</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>千瓦时</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>达因</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>克力</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>千克力</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>毫牛顿</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>牛顿</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>千牛顿</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>盎司力</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>磅力</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>火焰</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>英尺烛光</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>勒克斯</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>米烛光</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>字节 (B)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>千字节 (KB)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>兆字节 (MB)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>吉字节 (GB)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>太字节 (TB)</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>面积(&amp;A)</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>The measure of a bounded region on a plane</source>
        <translation>平面上一个有界区域的大小</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>计算机内存/磁盘容量(&amp;C)</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>计算机内存/磁盘容量</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> 数字设备的内存和存储容量。 </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>距离(&amp;D)</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>距离</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>两点之间线段的长度</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>能量(&amp;G)</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>能量</translation>
    </message>
    <message>
        <source>The capacity for doing work - in modern physics, matter and energy are regarded as equivalents</source>
        <translation>做功的能力 - 在现代物理学中，物质和能量被视为等价</translation>
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
        <translation>在规定时间内流过某一固定点的液体量</translation>
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
        <translation>使静止物体运动或改变运动物体运动状态的原因或作用</translation>
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
        <translation>以视觉感受衡量的光辐射流量</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>质量(&amp;M)</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>质量</translation>
    </message>
    <message>
        <source>The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass</source>
        <translation>物体所含物质的量，由其惯性来衡量：实验发现，物体所受的重力与其质量成正比</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>功率(&amp;W)</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>做功的快慢</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>压力(&amp;P)</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>单位面积上所受的力</translation>
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
        <translation>物体中每个分子平均动能的量度</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>扭矩(&amp;T)</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>扭矩</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>力矩（扭矩）- 衡量力使其作用的物体绕轴转动的趋势</translation>
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
        <translation>速度（速率）- 距离随时间的变化率：表示为距离除以时间</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>体积(&amp;V)</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>体积</translation>
    </message>
    <message>
        <source>The quantity of space an object occupies</source>
        <translation>物体所占空间的大小</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Numbrella 计算器 - 无标题</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Numbrella 计算器 </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>无法打开“%1”。</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>无法将记录保存到“%1”。</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>文件未被更改。</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>无法在“%1”上打印记录。</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Numbrella 计算器</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        不能除以零！</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>本计算器无法求负数的平方根</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>负数</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>发生错误（可能是溢出）....<byte value="xd"/>
请继续工作。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            没有打印机或传真字体</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>这是什么字体？</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>确定要覆盖现有的值吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>确定要清除所有常量吗？</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>您确定吗？</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>是否保存此文档？</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>是否保存当前文档？</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>保存您的工作？</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>这不是文本文件。</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>文件大于记录所能容纳的大小（64 MB）。</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>计算所用程序....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>访问...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>文本文件(*.txt)|*.txt|批处理文件(*.bat)|*.bat|初始化文件(*.ini)|*.ini|所有文件(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>打印系统没有响应。请稍后再试。</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>计算器结束时未保存其记录（最后更改于 %1）。<byte value="xd"/>
是否恢复未保存的记录？</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>计算器结束时未保存其记录“%2”（最后更改于 %1）。<byte value="xd"/>
是否恢复未保存的记录？</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>无法读取未保存记录的恢复副本“%1”。它已保留为“%2”。</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>恢复您的工作？</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>无法打印：%1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> SI 信息 </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>反向换算</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>在此输入数据</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>换算结果显示在此处</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>选择小数位数</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>单击此处反向换算</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>输入:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>输出:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>小数位数</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>交换单位(&amp;S)</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>交换所选单位</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>将输出复制到剪贴板</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>列表(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>复制到剪贴板(&amp;S)</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>交换所选单位(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>信息(&amp;I)</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>国际单位制(&amp;I)</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>SI 基本单位(&amp;B)</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>SI 词头(&amp;X)</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>从:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>到:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>授权给<byte value="xd"/>
Zederu Dizira</translation>
    </message>
    <message>
        <source>%1 %2 units</source>
        <extracomment>What a screen reader says for a unit list: %1 is the caption over it (&quot;Convert:&quot; or &quot;Into:&quot;), %2 the category&apos;s title (&quot;Area&quot;).</extracomment>
        <translation>%1 %2单位</translation>
    </message>
    <message>
        <source>Conversion Calculator</source>
        <translation>单位换算器</translation>
    </message>
</context>
<context>
    <name>numbrella::frmNewCalculator1</name>
    <message>
        <source>Operand 1</source>
        <translation>操作数 1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>运算符</translation>
    </message>
    <message>
        <source>Operand 2</source>
        <translation>操作数 2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>结果</translation>
    </message>
    <message>
        <source> Multiply </source>
        <translation> 乘 </translation>
    </message>
    <message>
        <source> Divide </source>
        <translation> 除 </translation>
    </message>
    <message>
        <source> Add </source>
        <translation> 加 </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> 减 </translation>
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
        <translation> 1 除以操作数 1 中的数（倒数） </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> 操作数 1 的操作数 2 次幂 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> 改变符号 </translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>π</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source> Copy answer </source>
        <translation> 复制结果 </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> 粘贴上次复制的结果 </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>退格 &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> 在所选字段中退格，或清除结果 </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> 清除所有字段和结果 </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>结果的小数位数</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>常量</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; 清除(&amp;L)</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> 清除所有常量 </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> 复制您的结果 </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> 粘贴此值 </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>隐藏记录(&amp;H)</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> 记录消失 </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>清除记录(&amp;A)</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> 清除记录的内容 </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> 放大记录 </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> 缩小记录 </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--使用的字体属性--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--用于传真 &amp; 打印--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>粗体(&amp;B)</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> 将所选文本和/或后续文本设为粗体 </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>斜体(&amp;I)</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> 将所选文本和/或后续文本设为斜体 </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>字体：</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> 选择字体 </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> 选择字号 </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>行距</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> 选择记录中各新条目之间的间距 </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>默认打印机/传真程序：</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>字体数量：</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>保存(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>另存为(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>打印记录(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>文本背景色(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Workboard</source>
        <translation>记录(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Display Workboard</source>
        <translation>显示记录(&amp;D)</translation>
    </message>
    <message>
        <source>Clear &amp;Workboard</source>
        <translation>清除记录(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>单位换算器(&amp;C)</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>显示记录(&amp;O)</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> 记录消失  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> 记录重新出现 </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>屏幕字体</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>除</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>加</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>减</translation>
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
        <translation>倒数</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>乘方</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>改变符号</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>清除常量</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>将结果复制到常量 1</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>粘贴常量 1</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>常量 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>将结果复制到常量 2</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>粘贴常量 2</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>常量 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>将结果复制到常量 3</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>粘贴常量 3</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>常量 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>将结果复制到常量 4</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>粘贴常量 4</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>常量 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>将结果复制到常量 5</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>粘贴常量 5</translation>
    </message>
    <message>
        <source>Constant 5</source>
        <translation>常量 5</translation>
    </message>
    <message>
        <source>Workboard</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Expand workboard</source>
        <translation>放大记录</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>缩小记录</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>工作表</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>字体属性</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>粘贴数字(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>用于操作数(&amp;U)</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>没有可粘贴的内容</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>不是单个数字</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>超出计算器的范围</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>此行没有结果</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> SI 基本单位 </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
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
        <translation> SI 词头 </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>因数</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>科学记数法</translation>
    </message>
</context>
</TS>
