<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Калькулятор Numbrella: калькулятор с двумя операндами, журналом вычислений и конвертером единиц.</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>Текстовый файл журнала, который откроется так же, как через Файл &gt; Открыть. Только один.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Показывает эту справку и завершает работу.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Показывает версию и завершает работу.</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt: оконная система, xcb (X11) или wayland; по умолчанию та, что у рабочего стола.</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt: открываемый дисплей X11, например :0.</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt: стиль элементов управления, например Fusion.</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt: располагает окна справа налево.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>Список параметров выводит «%1 --help».</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella: в окне только один журнал; не открыты: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Это папка</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Это не обычный файл</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>Международная система единиц (СИ)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Источник: Министерство торговли США, Национальное бюро стандартов.</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    Международная система единиц — это современная форма метрической системы, установленная международным соглашением. Она даёт логичную и взаимосвязанную основу для всех измерений в науке, промышленности и торговле. Система построена на семи основных единицах, а все остальные единицы являются производными от них. (Применение метрических мер и весов было узаконено в Соединённых Штатах в 1866 году, и принятые там единицы мер и весов определены через метр и килограмм.)</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  ДЛИНА - Метр - До 1983 года метр определялся как 1&#xa0;650&#xa0;763,73 длины волны оранжево-красной линии спектра криптона-86 в вакууме. С тех пор он равен расстоянию, которое свет проходит в вакууме за 1/299&#xa0;792,45 секунды.</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  ВРЕМЯ - Секунда - Секунда определяется как продолжительность 9&#xa0;192&#xa0;631&#xa0;770 периодов излучения, соответствующего определённому переходу атома цезия-133.</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  МАССА - Килограмм - Эталоном килограмма служит цилиндр из платино-иридиевого сплава, который хранится в Международном бюро мер и весов в Париже. Его копия в Национальном бюро стандартов служит эталоном массы для Соединённых Штатов. Килограмм — единственная основная единица, которая всё ещё определяется физическим предметом.</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  ТЕМПЕРАТУРА - Кельвин - Кельвин определяется как доля 1/273,16 термодинамической температуры тройной точки воды, то есть точки, в которой вода одновременно находится в твёрдом, жидком и газообразном состояниях. Это соответствует 0,01&#xa0;°C по шкале Цельсия и 32,02&#xa0;°F по шкале Фаренгейта. Температура 0&#xa0;°K называется «абсолютным нулём».</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  СИЛА ЭЛЕКТРИЧЕСКОГО ТОКА - Ампер - Ампер определяется как сила тока, который, проходя по двум длинным параллельным проводникам, расположенным в свободном пространстве на расстоянии одного метра друг от друга, вызывал бы между ними (за счёт их магнитных полей) силу 2 × 10-7 ньютона на каждый метр длины. (Ньютон — единица силы, которая сообщает массе в один килограмм ускорение в один метр в секунду за секунду.)</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  СИЛА СВЕТА - Кандела - Кандела определяется как сила света 1/600&#xa0;000 квадратного метра полости при температуре затвердевания платины (2&#xa0;042&#xa0;°K).</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  КОЛИЧЕСТВО ВЕЩЕСТВА - Моль - Моль — это количество вещества системы, содержащей столько же структурных элементов, сколько атомов содержится в 0,012 килограмма углерода-12.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Метр</translation>
    </message>
    <message>
        <source>length</source>
        <translation>длина</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Килограмм</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>масса</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Секунда</translation>
    </message>
    <message>
        <source>time</source>
        <translation>время</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>Ампер</translation>
    </message>
    <message>
        <source>electric current</source>
        <translation>сила тока</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Кельвин</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>температура</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>Моль</translation>
    </message>
    <message>
        <source>amount of substance</source>
        <translation>количество вещества</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Кандела</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>сила света</translation>
    </message>
    <message>
        <source>yotta-</source>
        <translation>йотта-</translation>
    </message>
    <message>
        <source>zetta-</source>
        <translation>зетта-</translation>
    </message>
    <message>
        <source>exa-</source>
        <translation>экса-</translation>
    </message>
    <message>
        <source>peta-</source>
        <translation>пета-</translation>
    </message>
    <message>
        <source>tera-</source>
        <translation>тера-</translation>
    </message>
    <message>
        <source>giga-</source>
        <translation>гига-</translation>
    </message>
    <message>
        <source>mega-</source>
        <translation>мега-</translation>
    </message>
    <message>
        <source>kilo-</source>
        <translation>кило-</translation>
    </message>
    <message>
        <source>hecto-</source>
        <translation>гекто-</translation>
    </message>
    <message>
        <source>deca-</source>
        <translation>дека-</translation>
    </message>
    <message>
        <source>deci-</source>
        <translation>деци-</translation>
    </message>
    <message>
        <source>centi-</source>
        <translation>санти-</translation>
    </message>
    <message>
        <source>milli-</source>
        <translation>милли-</translation>
    </message>
    <message>
        <source>micro-</source>
        <translation>микро-</translation>
    </message>
    <message>
        <source>nano-</source>
        <translation>нано-</translation>
    </message>
    <message>
        <source>pico-</source>
        <translation>пико-</translation>
    </message>
    <message>
        <source>femto-</source>
        <translation>фемто-</translation>
    </message>
    <message>
        <source>atto-</source>
        <translation>атто-</translation>
    </message>
    <message>
        <source>zepto-</source>
        <translation>зепто-</translation>
    </message>
    <message>
        <source>yocto-</source>
        <translation>йокто-</translation>
    </message>
</context>
<context>
    <name>numbrella::UnitCatalogue</name>
    <message>
        <source>Inches</source>
        <translation>Дюймы</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Футы</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Ярды</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Мили</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Миллиметры</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Сантиметры</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Метры</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Километры</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Кв. дюймы</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Кв. футы</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Кв. ярды</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Кв. мили</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Кв. миллиметры</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Кв. сантиметры</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Кв. метры</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Кв. километры</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Галлоны в секунду</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Галлоны в минуту</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Литры в секунду</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Литры в минуту</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Лошадиные силы (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Ватты</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Киловатты</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Мегаватты</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Унции (avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Фунты (avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Короткие тонны (avdp-2000#)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Граммы</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Килограммы</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Мегаграммы</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Миллибары</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Бары</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Паскали</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Килопаскали</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Футы в секунду</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Футы в минуту</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Мили в час</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Метры в секунду</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Метры в минуту</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Километры в час</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Градусы Цельсия</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Градусы Фаренгейта</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>Кубические дюймы</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Кубические футы</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Кубические ярды</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Кубические сантиметры</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Кубические метры</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>Пинты</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>Кварты</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Галлоны</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Литры</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Унция-сила/дюйм</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Унция-сила/фут</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Фунт-сила/дюйм (дюйм-фунты)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Фунт-сила/фут (фут-фунты)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Ньютон-метры</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>БТЕ</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Калории</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Фунт-сила-дюймы</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Фунт-сила-футы</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Лошадиные силы-часы</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Джоули</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Киловатт-часы</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Дины</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Грамм-силы</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Килограмм-силы</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>Миллиньютоны</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Ньютоны</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>Килоньютоны</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Унции-силы</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Фунты-силы</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Пламя</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Фут-свечи</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Люксы</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Метр-свечи</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Байты (Б)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Килобайты (КБ)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>Мегабайты (МБ)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>Гигабайты (ГБ)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>Терабайты (ТБ)</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Площадь</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Площадь</translation>
    </message>
    <message>
        <source>The measure of a bounded region on a plane</source>
        <translation>Мера ограниченной области на плоскости</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>Память &amp;компьютера / диски</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Память компьютера / диски</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> Объём памяти и накопителей цифровых устройств. </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Расстояние</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Расстояние</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>Длина отрезка между двумя точками</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>&amp;Энергия</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Энергия</translation>
    </message>
    <message>
        <source>The capacity for doing work - in modern physics, matter and energy are regarded as equivalents</source>
        <translation>Способность совершать работу - в современной физике материя и энергия считаются равноценными</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>Р&amp;асход</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Расход</translation>
    </message>
    <message>
        <source>The amount of liquid passing by a fixed point during a prescribed amount of time</source>
        <translation>Количество жидкости, которое проходит мимо неподвижной точки за заданное время</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>Си&amp;ла</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Сила</translation>
    </message>
    <message>
        <source>The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object</source>
        <translation>Причина, или действующее начало, которое приводит покоящееся тело в движение или изменяет движение движущегося тела</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>Св&amp;ет</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Свет</translation>
    </message>
    <message>
        <source>The rate of flow of light radiation with respect to the sense of sight</source>
        <translation>Поток светового излучения, оцениваемый по его действию на зрение</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>&amp;Масса</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Масса</translation>
    </message>
    <message>
        <source>The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass</source>
        <translation>Количество вещества в теле, измеряемое его инерцией: опыт показывает, что сила тяжести, действующая на тело, пропорциональна его массе</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>Мо&amp;щность</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>Работа, совершаемая за единицу времени</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>&amp;Давление</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Давление</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>Сила, приходящаяся на единицу площади</translation>
    </message>
    <message>
        <source>T&amp;emperature</source>
        <translation>&amp;Температура</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>A measure of the average kinetic energy per molecule in a body</source>
        <translation>Мера средней кинетической энергии одной молекулы тела</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>Кр&amp;утящий момент</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Крутящий момент</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>Момент силы (крутящий момент) - Мера способности силы вращать тело, к которому она приложена, вокруг оси</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Скорость</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time</source>
        <translation>Скорость - Изменение расстояния за единицу времени: выражается как расстояние, делённое на время</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Объём</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Объём</translation>
    </message>
    <message>
        <source>The quantity of space an object occupies</source>
        <translation>Пространство, которое занимает тело</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Калькулятор Numbrella - Без имени</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Калькулятор Numbrella </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Не удаётся открыть «%1».</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Не удаётся сохранить журнал в «%1».</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Файл не был изменён.</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>Не удалось напечатать журнал на «%1».</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Калькулятор Numbrella</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        На ноль делить нельзя!</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>Этот калькулятор не может извлечь квадратный корень из отрицательного числа</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>Отрицательное число</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>Произошла ошибка (возможно, переполнение)....<byte value="xd"/>
пожалуйста, продолжайте работу.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            Нет шрифтов принтера или факса</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>Что это за шрифт?</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>Вы действительно хотите заменить существующее значение?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>Вы действительно хотите очистить все константы?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Вы уверены?</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>Сохранить этот документ?</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>Сохранить текущий документ?</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>Сохранить работу?</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Это не текстовый файл.</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Файл больше, чем может вместить журнал (64 МБ).</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>Вычислено в программе....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>Посетите...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Текстовые файлы(*.txt)|*.txt|Пакетные файлы(*.bat)|*.bat|Файлы инициализации(*.ini)|*.ini|Все файлы(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>Система печати не отвечает. Повторите попытку чуть позже.</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>Калькулятор завершил работу, не сохранив журнал (последнее изменение: %1).<byte value="xd"/>
Восстановить несохранённый журнал?</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>Калькулятор завершил работу, не сохранив журнал «%2» (последнее изменение: %1).<byte value="xd"/>
Восстановить несохранённый журнал?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>Не удаётся прочитать резервную копию «%1» несохранённого журнала. Она сохранена как «%2».</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>Восстановить работу?</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>Печать недоступна: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> Сведения о СИ </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>Обратный пересчёт</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Введите здесь значение</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Здесь появится результат</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Выберите число знаков после запятой</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Нажмите здесь, чтобы обратить пересчёт</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Ввод:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Вывод:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Точность</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>По&amp;менять</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Поменять местами выбранные единицы</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Скопировать результат в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Списки</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>&amp;Поменять единицы местами</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Информация</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>&amp;Система СИ</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>&amp;Основные единицы СИ</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>&amp;Приставки СИ</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>Из:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>В:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>Выпущено для<byte value="xd"/>
Zederu Dizira</translation>
    </message>
    <message>
        <source>%1 %2 units</source>
        <extracomment>What a screen reader says for a unit list: %1 is the caption over it (&quot;Convert:&quot; or &quot;Into:&quot;), %2 the category&apos;s title (&quot;Area&quot;).</extracomment>
        <translation>%1 единицы (%2)</translation>
    </message>
    <message>
        <source>Conversion Calculator</source>
        <translation>Конвертер единиц</translation>
    </message>
</context>
<context>
    <name>numbrella::frmNewCalculator1</name>
    <message>
        <source>Operand 1</source>
        <translation>Операнд 1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Операция</translation>
    </message>
    <message>
        <source>Operand 2</source>
        <translation>Операнд 2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source> Multiply </source>
        <translation> Умножить </translation>
    </message>
    <message>
        <source> Divide </source>
        <translation> Разделить </translation>
    </message>
    <message>
        <source> Add </source>
        <translation> Сложить </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> Вычесть </translation>
    </message>
    <message>
        <source> Square root </source>
        <translation> Квадратный корень </translation>
    </message>
    <message>
        <source> Cube root </source>
        <translation> Кубический корень </translation>
    </message>
    <message>
        <source> 1 divided by the number in operand 1 (reciprocal) </source>
        <translation> 1, делённая на число в операнде 1 (обратная величина) </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> Операнд 1 в степени операнда 2 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> Сменить знак </translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Пи</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копия</translation>
    </message>
    <message>
        <source> Copy answer </source>
        <translation> Скопировать результат </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставка</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> Вставить последний скопированный результат </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>Назад &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> Удалить последний символ в выбранном поле или очистить результат </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> Очистить все поля и результат </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>Знаков после запятой</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Константы</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; О&amp;чистить</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> Очистить все константы </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> Скопировать результат </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> Вставить это значение </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>&amp;Скрыть журнал</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> Журнал исчезает </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>Оч&amp;истить журнал</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> Очищает содержимое журнала </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> Увеличить журнал </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> Уменьшить журнал </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--Используемый шрифт--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--Для факса &amp; печати--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>Полужи&amp;рный</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> Сделать выделенный и/или последующий текст полужирным </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>К&amp;урсив</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> Сделать выделенный и/или последующий текст курсивным </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> Выберите шрифт </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> Выберите размер шрифта </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Межстрочный интервал</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> Выберите интервал между новыми записями в журнале </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>Принтер/факс по умолчанию:</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>Число шрифтов:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Сохранить &amp;как</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>&amp;Печать журнала</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Вы&amp;резать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Вст&amp;авить</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>&amp;Фон текста</translation>
    </message>
    <message>
        <source>&amp;Workboard</source>
        <translation>&amp;Журнал</translation>
    </message>
    <message>
        <source>&amp;Display Workboard</source>
        <translation>&amp;Показывать журнал</translation>
    </message>
    <message>
        <source>Clear &amp;Workboard</source>
        <translation>&amp;Очистить журнал</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>&amp;Конвертер единиц</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>П&amp;оказать журнал</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> Журнал исчезает  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> Журнал появляется снова </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>Экранные шрифты</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Десятичная точка</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Равно</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Умножить</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Сложить</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Вычесть</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Квадратный корень</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Кубический корень</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Обратная величина</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Степень</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Сменить знак</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>Очистить константы</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>Скопировать результат в константу 1</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>Вставить константу 1</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>Константа 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>Скопировать результат в константу 2</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>Вставить константу 2</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>Константа 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>Скопировать результат в константу 3</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>Вставить константу 3</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>Константа 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>Скопировать результат в константу 4</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>Вставить константу 4</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>Константа 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>Скопировать результат в константу 5</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>Вставить константу 5</translation>
    </message>
    <message>
        <source>Constant 5</source>
        <translation>Константа 5</translation>
    </message>
    <message>
        <source>Workboard</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Expand workboard</source>
        <translation>Увеличить журнал</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>Уменьшить журнал</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Рабочий лист</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>Свойства шрифта</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>Вставить &amp;число</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>&amp;Использовать в операнде</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Нечего вставлять</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>Это не одно число</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>Вне диапазона калькулятора</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>В этой строке нет результата</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> Основные единицы СИ </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Обозначение</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Величина</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIPrefixes1</name>
    <message>
        <source> SI Prefixes </source>
        <translation> Приставки СИ </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Обозначение</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Множитель</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Степень десяти</translation>
    </message>
</context>
</TS>
