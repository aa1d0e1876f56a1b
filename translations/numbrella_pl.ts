<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Kalkulator Numbrella: kalkulator z dwoma argumentami, dziennikiem obliczeń i przelicznikiem jednostek.</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>Plik tekstowy do otwarcia w dzienniku, tak jak przez Plik &gt; Otwórz. Tylko jeden.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt: system okien, xcb (X11) lub wayland; domyślnie ten, którego używa pulpit.</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt: ekran X11 do otwarcia, np. :0.</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt: styl elementów interfejsu, np. Fusion.</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt: układa okna od prawej do lewej.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>Opcje wyświetli polecenie „%1 --help”.</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella: okno mieści jeden dziennik; nie otwarto: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>To jest katalog</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>To nie jest zwykły plik</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>Międzynarodowy Układ Jednostek (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Źródło: Departament Handlu USA, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    Międzynarodowy Układ Jednostek Miar to unowocześniona wersja systemu metrycznego, ustanowiona na mocy porozumienia międzynarodowego, która zapewnia logiczne i spójne podstawy wszystkich pomiarów w nauce, przemyśle i handlu. Układ opiera się na siedmiu jednostkach podstawowych, z których wyprowadza się wszystkie pozostałe jednostki. (Stosowanie metrycznych miar i wag zalegalizowano w Stanach Zjednoczonych w 1866 roku, a zwyczajowe jednostki miar i wag tego kraju są zdefiniowane za pomocą metra i kilograma.)</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  DŁUGOŚĆ - Metr - Do 1983 roku metr był zdefiniowany jako 1&#xa0;650&#xa0;763,73 długości fali w próżni promieniowania odpowiadającego pomarańczowoczerwonej linii widma kryptonu-86. Od tego czasu jest równy odległości, jaką światło przebywa w próżni w czasie 1/299&#xa0;792,45 sekundy.</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  CZAS - Sekunda - Sekunda jest zdefiniowana jako czas trwania 9&#xa0;192&#xa0;631&#xa0;770 okresów promieniowania odpowiadającego określonemu przejściu atomu cezu-133.</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  MASA - Kilogram - Wzorcem kilograma jest walec ze stopu platyny i irydu przechowywany przez Międzynarodowe Biuro Miar w Paryżu. Jego kopia w National Bureau of Standards służy jako wzorzec masy dla Stanów Zjednoczonych. Kilogram jest jedyną jednostką podstawową wciąż definiowaną za pomocą przedmiotu fizycznego.</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  TEMPERATURA - Kelwin - Kelwin jest zdefiniowany jako ułamek 1/273,16 temperatury termodynamicznej punktu potrójnego wody, czyli punktu, w którym woda występuje jednocześnie jako ciało stałe, ciecz i para. Odpowiada to 0,01 °C w skali Celsjusza i 32,02 °F w skali Fahrenheita. Temperaturę 0 °K nazywa się „zerem bezwzględnym”.</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  NATĘŻENIE PRĄDU ELEKTRYCZNEGO - Amper - Amper jest zdefiniowany jako natężenie prądu, który płynąc w dwóch długich równoległych przewodach odległych o jeden metr w wolnej przestrzeni, wywołałby między tymi przewodami (za sprawą ich pól magnetycznych) siłę 2 × 10-7 niutona na każdy metr długości. (Niuton to jednostka siły, która działając na masę jednego kilograma, nadaje jej przyspieszenie jednego metra na sekundę na sekundę.)</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  ŚWIATŁOŚĆ - Kandela - Kandela jest zdefiniowana jako światłość 1/600&#xa0;000 metra kwadratowego wnęki w temperaturze krzepnięcia platyny (2&#xa0;042 °K).</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  LICZNOŚĆ MATERII - Mol - Mol to liczność materii układu zawierającego tyle cząstek elementarnych, ile jest atomów w 0,012 kilograma węgla-12.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metr</translation>
    </message>
    <message>
        <source>length</source>
        <translation>długość</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Kilogram</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>masa</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunda</translation>
    </message>
    <message>
        <source>time</source>
        <translation>czas</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>Amper</translation>
    </message>
    <message>
        <source>electric current</source>
        <translation>natężenie prądu</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Kelwin</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>temperatura</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>Mol</translation>
    </message>
    <message>
        <source>amount of substance</source>
        <translation>liczność materii</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Kandela</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>światłość</translation>
    </message>
    <message>
        <source>yotta-</source>
        <translation>jotta-</translation>
    </message>
    <message>
        <source>zetta-</source>
        <translation>zetta-</translation>
    </message>
    <message>
        <source>exa-</source>
        <translation>eksa-</translation>
    </message>
    <message>
        <source>peta-</source>
        <translation>peta-</translation>
    </message>
    <message>
        <source>tera-</source>
        <translation>tera-</translation>
    </message>
    <message>
        <source>giga-</source>
        <translation>giga-</translation>
    </message>
    <message>
        <source>mega-</source>
        <translation>mega-</translation>
    </message>
    <message>
        <source>kilo-</source>
        <translation>kilo-</translation>
    </message>
    <message>
        <source>hecto-</source>
        <translation>hekto-</translation>
    </message>
    <message>
        <source>deca-</source>
        <translation>deka-</translation>
    </message>
    <message>
        <source>deci-</source>
        <translation>decy-</translation>
    </message>
    <message>
        <source>centi-</source>
        <translation>centy-</translation>
    </message>
    <message>
        <source>milli-</source>
        <translation>mili-</translation>
    </message>
    <message>
        <source>micro-</source>
        <translation>mikro-</translation>
    </message>
    <message>
        <source>nano-</source>
        <translation>nano-</translation>
    </message>
    <message>
        <source>pico-</source>
        <translation>piko-</translation>
    </message>
    <message>
        <source>femto-</source>
        <translation>femto-</translation>
    </message>
    <message>
        <source>atto-</source>
        <translation>atto-</translation>
    </message>
    <message>
        <source>zepto-</source>
        <translation>zepto-</translation>
    </message>
    <message>
        <source>yocto-</source>
        <translation>jokto-</translation>
    </message>
</context>
<context>
    <name>numbrella::UnitCatalogue</name>
    <message>
        <source>Inches</source>
        <translation>Cale</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Stopy</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Jardy</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Mile</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milimetry</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centymetry</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metry</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilometry</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Cale kwadratowe</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Stopy kwadratowe</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Jardy kwadratowe</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Mile kwadratowe</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Milimetry kwadratowe</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Centymetry kwadratowe</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Metry kwadratowe</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Kilometry kwadratowe</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Galony/sekundę</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Galony/minutę</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Litry/sekundę</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Litry/minutę</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Konie mechaniczne (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Waty</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Kilowaty</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Megawaty</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Uncje(avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Funty(avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Tony krótkie(avdp-2000#)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramy</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramy</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagramy</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Milibary</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bary</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Paskale</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopaskale</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Stopy/sekundę</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Stopy/minutę</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Mile/godzinę</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Metry/sekundę</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Metry/minutę</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Kilometry/godzinę</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Celsjusz</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>Cale sześcienne</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Stopy sześcienne</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Jardy sześcienne</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Centymetry sześcienne</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Metry sześcienne</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>Pinty</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>Kwarty</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Galony</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litry</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Uncja-siła/cal</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Uncja-siła/stopa</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Funt-siła/cal(Funto-cale)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Funt-siła/stopa(Funto-stopy)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Niutonometry</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Kalorie</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Funto-cale</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Funto-stopy</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Koniogodziny (hp·h)</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Dżule</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Kilowatogodziny</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dyny</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Gram-siła</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogram-siła</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>Miliniutony</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Niutony</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>Kiloniutony</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Uncja-siła</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Funt-siła</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Płomień</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Stopoświece</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Luksy</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Metroświece</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Bajty (B)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Kilobajty (KB)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>Megabajty (MB)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>Gigabajty (GB)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>Terabajty (TB)</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Powierzchnia</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Powierzchnia</translation>
    </message>
    <message>
        <source>The measure of a bounded region on a plane</source>
        <translation>Miara ograniczonego obszaru na płaszczyźnie</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>Pa&amp;mięć / Pojemność dysku</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Pamięć / Pojemność dysku</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> Rozmiary pamięci i nośników urządzeń cyfrowych. </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Odległość</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Odległość</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>Długość odcinka między dwoma punktami</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>&amp;Energia</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>The capacity for doing work - in modern physics, matter and energy are regarded as equivalents</source>
        <translation>Zdolność do wykonania pracy - we współczesnej fizyce materię i energię uważa się za równoważne</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>P&amp;rzepływ</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Przepływ</translation>
    </message>
    <message>
        <source>The amount of liquid passing by a fixed point during a prescribed amount of time</source>
        <translation>Ilość cieczy przepływającej przez ustalony punkt w określonym czasie</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Siła</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Siła</translation>
    </message>
    <message>
        <source>The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object</source>
        <translation>Przyczyna, która wprawia w ruch ciało spoczywające lub zmienia ruch ciała poruszającego się</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>Ś&amp;wiatło</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Światło</translation>
    </message>
    <message>
        <source>The rate of flow of light radiation with respect to the sense of sight</source>
        <translation>Strumień promieniowania świetlnego oceniany według wrażliwości wzroku</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>M&amp;asa</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass</source>
        <translation>Ilość materii w ciele mierzona jego bezwładnością: doświadczalnie stwierdza się, że siła grawitacji działająca na ciało jest proporcjonalna do jego masy</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>Mo&amp;c</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Moc</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>Szybkość wykonywania pracy</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>C&amp;iśnienie</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Ciśnienie</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>Siła na jednostkę powierzchni</translation>
    </message>
    <message>
        <source>T&amp;emperature</source>
        <translation>&amp;Temperatura</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>A measure of the average kinetic energy per molecule in a body</source>
        <translation>Miara średniej energii kinetycznej cząsteczki ciała</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>Mome&amp;nt siły</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Moment siły</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>Moment siły (moment obrotowy) - Miara skłonności siły do obracania wokół osi ciała, na które działa</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>Pręd&amp;kość</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time</source>
        <translation>Prędkość (szybkość) - Zmiana drogi w jednostce czasu: wyraża się ją jako drogę podzieloną przez czas</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>O&amp;bjętość</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
    <message>
        <source>The quantity of space an object occupies</source>
        <translation>Ilość przestrzeni zajmowanej przez ciało</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Kalkulator Numbrella - Bez nazwy</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Kalkulator Numbrella </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Nie można otworzyć „%1”.</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Nie można zapisać dziennika w „%1”.</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Plik nie został zmieniony.</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>Nie udało się wydrukować dziennika na „%1”.</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Kalkulator Numbrella</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        Nie można dzielić przez zero!</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>Ten kalkulator nie oblicza pierwiastka kwadratowego z liczby ujemnej</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>Liczba ujemna</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>Wystąpił błąd (prawdopodobnie przepełnienie)....<byte value="xd"/>
proszę kontynuować pracę.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            Brak czcionek drukarki lub faksu</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>Co to za czcionka?</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>Czy na pewno zastąpić istniejącą wartość?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>Czy na pewno wyczyścić wszystkie stałe?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>Czy zapisać ten dokument?</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>Czy zapisać bieżący dokument?</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>Zapisać pracę?</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>To nie jest plik tekstowy.</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Jest większy, niż może pomieścić dziennik (64 MB).</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>Obliczono w programie....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>Odwiedź...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Pliki tekstowe(*.txt)|*.txt|Pliki wsadowe(*.bat)|*.bat|Pliki konfiguracyjne(*.ini)|*.ini|Wszystkie pliki(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>System drukowania nie odpowiada. Spróbuj ponownie za chwilę.</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>Kalkulator zakończył działanie bez zapisania dziennika, ostatnio zmienionego %1.<byte value="xd"/>
Czy przywrócić niezapisany dziennik?</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>Kalkulator zakończył działanie bez zapisania dziennika „%2”, ostatnio zmienionego %1.<byte value="xd"/>
Czy przywrócić niezapisany dziennik?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>Nie można odczytać kopii zapasowej „%1” niezapisanego dziennika. Zachowano ją jako „%2”.</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>Przywrócić pracę?</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>Drukowanie jest niedostępne: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> Informacje o SI </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>Odwróć przeliczanie</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Wpisz tutaj wartość</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Tutaj pojawi się wynik</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Wybierz liczbę miejsc po przecinku</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Kliknij tutaj, aby odwrócić przeliczanie</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Dane:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Po przecinku</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Zamień</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Zamień wybrane jednostki</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Skopiuj wynik do schowka</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listy</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Kopiuj do schowka</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>&amp;Zamień wybrane jednostki</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informacje</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>Układ &amp;SI</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>&amp;Jednostki podstawowe SI</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>&amp;Przedrostki SI</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>Na:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>Licencja dla<byte value="xd"/>
Zederu Dizira</translation>
    </message>
    <message>
        <source>%1 %2 units</source>
        <extracomment>What a screen reader says for a unit list: %1 is the caption over it (&quot;Convert:&quot; or &quot;Into:&quot;), %2 the category&apos;s title (&quot;Area&quot;).</extracomment>
        <translation>%1 jednostki (%2)</translation>
    </message>
    <message>
        <source>Conversion Calculator</source>
        <translation>Przelicznik jednostek</translation>
    </message>
</context>
<context>
    <name>numbrella::frmNewCalculator1</name>
    <message>
        <source>Operand 1</source>
        <translation>Argument 1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Działanie</translation>
    </message>
    <message>
        <source>Operand 2</source>
        <translation>Argument 2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source> Multiply </source>
        <translation> Mnożenie </translation>
    </message>
    <message>
        <source> Divide </source>
        <translation> Dzielenie </translation>
    </message>
    <message>
        <source> Add </source>
        <translation> Dodawanie </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> Odejmowanie </translation>
    </message>
    <message>
        <source> Square root </source>
        <translation> Pierwiastek kwadratowy </translation>
    </message>
    <message>
        <source> Cube root </source>
        <translation> Pierwiastek sześcienny </translation>
    </message>
    <message>
        <source> 1 divided by the number in operand 1 (reciprocal) </source>
        <translation> 1 podzielone przez liczbę z argumentu 1 (odwrotność) </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> Argument 1 do potęgi argumentu 2 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> Zmiana znaku </translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source> Copy answer </source>
        <translation> Kopiuj wynik </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> Wklej ostatnio skopiowany wynik </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>Cofnij &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> Usuń ostatni znak w wybranym polu lub wyczyść wynik </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> Wyczyść wszystkie pola i wynik </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>Miejsca dziesiętne wyniku</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Stałe</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; W&amp;yczyść</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> Wyczyść wszystkie stałe </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> Kopiuj wynik </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> Wklej tę wartość </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>&amp;Ukryj dziennik</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> Dziennik znika </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>Wy&amp;czyść dziennik</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> Czyści zawartość dziennika </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> Powiększ dziennik </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> Zmniejsz dziennik </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--Używana czcionka--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--Do faksu &amp; druku--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>Pogru&amp;bienie</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> Pogrub zaznaczony i/lub dalszy tekst </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursywa</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> Zastosuj kursywę do zaznaczonego i/lub dalszego tekstu </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>Czcionka:</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> Wybierz czcionkę </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> Wybierz rozmiar czcionki </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Odstęp wierszy</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> Wybierz odstęp między kolejnymi wpisami w dzienniku </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>Domyślna drukarka/faks:</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>Liczba czcionek:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Zapisz &amp;jako</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>&amp;Drukuj dziennik</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>W&amp;ytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>&amp;Tło tekstu</translation>
    </message>
    <message>
        <source>&amp;Workboard</source>
        <translation>&amp;Dziennik</translation>
    </message>
    <message>
        <source>&amp;Display Workboard</source>
        <translation>&amp;Pokaż dziennik</translation>
    </message>
    <message>
        <source>Clear &amp;Workboard</source>
        <translation>&amp;Wyczyść dziennik</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>P&amp;rzelicznik</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>P&amp;okaż dziennik</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> Dziennik znika  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> Dziennik pojawia się ponownie </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>Czcionki ekranowe</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separator dziesiętny</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Równa się</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dzielenie</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Pierwiastek kwadratowy</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Pierwiastek sześcienny</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Odwrotność</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potęga</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Zmiana znaku</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>Wyczyść stałe</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>Kopiuj wynik do stałej 1</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>Wklej stałą 1</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>Stała 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>Kopiuj wynik do stałej 2</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>Wklej stałą 2</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>Stała 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>Kopiuj wynik do stałej 3</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>Wklej stałą 3</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>Stała 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>Kopiuj wynik do stałej 4</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>Wklej stałą 4</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>Stała 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>Kopiuj wynik do stałej 5</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>Wklej stałą 5</translation>
    </message>
    <message>
        <source>Constant 5</source>
        <translation>Stała 5</translation>
    </message>
    <message>
        <source>Workboard</source>
        <translation>Dziennik</translation>
    </message>
    <message>
        <source>Expand workboard</source>
        <translation>Powiększ dziennik</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>Zmniejsz dziennik</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arkusz obliczeń</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>Właściwości czcionki</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>Wklej &amp;liczbę</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>Użyj w &amp;argumencie</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Nic do wklejenia</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>To nie jest jedna liczba</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>Poza zakresem kalkulatora</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>Brak wyniku w tym wierszu</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> Jednostki podstawowe SI </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Wielkość</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIPrefixes1</name>
    <message>
        <source> SI Prefixes </source>
        <translation> Przedrostki SI </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Mnożnik</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Notacja wykładnicza</translation>
    </message>
</context>
</TS>
