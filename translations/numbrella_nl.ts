<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Numbrella-rekenmachine: een rekenmachine met twee operanden, een logboek van de berekeningen en een eenhedenomrekenaar.</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>Een tekstbestand om in het logboek te openen, zoals met Bestand &gt; Openen. Slechts één.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Toont deze hulp en stopt.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Toont de versie en stopt.</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt: het venstersysteem, xcb (X11) of wayland; standaard dat van de desktop.</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt: het X11-scherm om te openen, zoals :0.</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt: de stijl van de widgets, zoals Fusion.</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt: deelt de vensters van rechts naar links in.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>Typ ‘%1 --help’ voor de opties.</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella: een venster bevat één logboek; niet geopend: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Het is een map</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Het is geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>Het Internationale Stelsel (metriek) (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Bron: Amerikaans ministerie van Handel, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    Het Internationale Stelsel van Eenheden is een gemoderniseerde versie van het metrieke stelsel, vastgelegd bij internationale overeenkomst, die een logisch en samenhangend kader biedt voor alle metingen in wetenschap, industrie en handel. Het stelsel berust op zeven basiseenheden, waarvan alle andere eenheden zijn afgeleid. (Het gebruik van metrieke maten en gewichten werd in de Verenigde Staten in 1866 wettelijk toegestaan, en de daar gebruikelijke maat- en gewichtseenheden zijn gedefinieerd aan de hand van de meter en de kilogram.)</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  LENGTE - Meter - Tot 1983 was de meter gedefinieerd als 1.650.763,73 golflengten in vacuüm van de oranjerode lijn in het spectrum van krypton-86. Sindsdien is hij gelijk aan de afstand die het licht in vacuüm aflegt in 1/299.792,45 seconde.</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  TIJD - Seconde - De seconde is gedefinieerd als de duur van 9.192.631.770 perioden van de straling die hoort bij een bepaalde overgang van het cesium-133-atoom.</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  MASSA - Kilogram - De standaard voor de kilogram is een cilinder van een platina-iridiumlegering die wordt bewaard door het Internationaal Bureau voor Maten en Gewichten in Parijs. Een kopie bij het National Bureau of Standards dient als massastandaard voor de Verenigde Staten. De kilogram is de enige basiseenheid die nog door een fysiek voorwerp wordt gedefinieerd.</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  TEMPERATUUR - Kelvin - De kelvin is gedefinieerd als de fractie 1/273,16 van de thermodynamische temperatuur van het tripelpunt van water, dat wil zeggen het punt waarop water als vaste stof, vloeistof en damp naast elkaar bestaat. Dit komt overeen met 0,01 °C op de Celsiusschaal en 32,02 °F op de Fahrenheitschaal. De temperatuur 0 °K heet ‘het absolute nulpunt’.</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  ELEKTRISCHE STROOM - Ampère - De ampère is gedefinieerd als de stroom die, wanneer hij in elk van twee lange evenwijdige draden op één meter afstand van elkaar in de vrije ruimte wordt onderhouden, tussen de twee draden (door hun magnetische velden) een kracht van 2 × 10-7 newton per meter lengte zou veroorzaken. (Een newton is de krachteenheid die een massa van één kilogram een versnelling geeft van één meter per seconde per seconde.)</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  LICHTSTERKTE - Candela - De candela is gedefinieerd als de lichtsterkte van 1/600.000 vierkante meter van een holte bij de stollingstemperatuur van platina (2.042 °K).</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  HOEVEELHEID STOF - Mol - De mol is de hoeveelheid stof van een systeem dat evenveel elementaire deeltjes bevat als er atomen zijn in 0,012 kilogram koolstof-12.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>length</source>
        <translation>lengte</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Kilogram</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tijd</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>Ampère</translation>
    </message>
    <message>
        <source>electric current</source>
        <translation>elektrische stroom</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>temperatuur</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>Mol</translation>
    </message>
    <message>
        <source>amount of substance</source>
        <translation>hoeveelheid stof</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Candela</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>lichtsterkte</translation>
    </message>
    <message>
        <source>yotta-</source>
        <translation>yotta-</translation>
    </message>
    <message>
        <source>zetta-</source>
        <translation>zetta-</translation>
    </message>
    <message>
        <source>exa-</source>
        <translation>exa-</translation>
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
        <translation>hecto-</translation>
    </message>
    <message>
        <source>deca-</source>
        <translation>deca-</translation>
    </message>
    <message>
        <source>deci-</source>
        <translation>deci-</translation>
    </message>
    <message>
        <source>centi-</source>
        <translation>centi-</translation>
    </message>
    <message>
        <source>milli-</source>
        <translation>milli-</translation>
    </message>
    <message>
        <source>micro-</source>
        <translation>micro-</translation>
    </message>
    <message>
        <source>nano-</source>
        <translation>nano-</translation>
    </message>
    <message>
        <source>pico-</source>
        <translation>pico-</translation>
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
        <translation>yocto-</translation>
    </message>
</context>
<context>
    <name>numbrella::UnitCatalogue</name>
    <message>
        <source>Inches</source>
        <translation>Inches</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Voet</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yards</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Mijlen</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimeter</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilometer</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Vierkante inches</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Vierkante voet</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Vierkante yards</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Vierkante mijlen</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Vierkante millimeter</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Vierkante centimeter</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Vierkante meter</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Vierkante kilometer</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Gallons/seconde</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Gallons/minuut</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Liter/seconde</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Liter/minuut</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Paardenkracht (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Kilowatt</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Megawatt</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Ounces(avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Pounds(avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Korte tonnen(avdp-2000#)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gram</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogram</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagram</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Millibar</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Pascal</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopascal</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Voet/seconde</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Voet/minuut</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Mijlen/uur</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Meter/seconde</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Meter/minuut</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Kilometer/uur</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>Kubieke inches</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Kubieke voet</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Kubieke yards</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Kubieke centimeter</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Kubieke meter</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>Pints</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>Quarts</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Gallons</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Ouncekracht/inch</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Ouncekracht/voet</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Poundkracht/inch(Inch-pound)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Poundkracht/voet(Voet-pound)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newtonmeter</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorieën</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Poundkracht-inch</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Poundkracht-voet</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Paardenkrachturen (hp)</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Kilowattuur</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dyne</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Gramkracht</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogramkracht</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>Millinewton</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newton</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>Kilonewton</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Ouncekracht</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Poundkracht</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Vlam</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Footcandles</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Meterkaarsen</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Bytes (B)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Kilobytes (KB)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>Megabytes (MB)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>Gigabytes (GB)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>Terabytes (TB)</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Oppervlakte</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Oppervlakte</translation>
    </message>
    <message>
        <source>The measure of a bounded region on a plane</source>
        <translation>De maat van een begrensd gebied in een vlak</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Geheugen / Schijfcapaciteit</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Geheugen / Schijfcapaciteit</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> Geheugen- en opslaggrootten van digitale apparaten. </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Afstand</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>De lengte van de lijn tussen twee punten</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>&amp;Energie</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>The capacity for doing work - in modern physics, matter and energy are regarded as equivalents</source>
        <translation>Het vermogen om arbeid te verrichten - in de moderne natuurkunde gelden materie en energie als gelijkwaardig</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>&amp;Debiet</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Debiet</translation>
    </message>
    <message>
        <source>The amount of liquid passing by a fixed point during a prescribed amount of time</source>
        <translation>De hoeveelheid vloeistof die in een bepaalde tijd langs een vast punt stroomt</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Kracht</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kracht</translation>
    </message>
    <message>
        <source>The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object</source>
        <translation>De oorzaak die een voorwerp in rust in beweging brengt of de beweging van een bewegend voorwerp verandert</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Licht</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>The rate of flow of light radiation with respect to the sense of sight</source>
        <translation>De stroom van lichtstraling, gemeten naar de gevoeligheid van het oog</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>&amp;Massa</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
    <message>
        <source>The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass</source>
        <translation>De hoeveelheid materie in een lichaam, gemeten aan zijn traagheid: proeven tonen aan dat de zwaartekracht op een voorwerp evenredig is met zijn massa</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>Ve&amp;rmogen</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Vermogen</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>De arbeid die per tijdseenheid wordt verricht</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>Dr&amp;uk</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druk</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>Kracht per oppervlakte-eenheid</translation>
    </message>
    <message>
        <source>T&amp;emperature</source>
        <translation>&amp;Temperatuur</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>A measure of the average kinetic energy per molecule in a body</source>
        <translation>Een maat voor de gemiddelde kinetische energie per molecuul in een lichaam</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>Ko&amp;ppel</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Koppel</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>Krachtmoment (koppel) - Een maat voor de neiging van een kracht om het lichaam waarop zij werkt om een as te draaien</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Snelheid</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time</source>
        <translation>Snelheid - De verandering van de afstand per tijdseenheid: zij wordt uitgedrukt als afstand gedeeld door tijd</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>The quantity of space an object occupies</source>
        <translation>De ruimte die een voorwerp inneemt</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Numbrella-rekenmachine - Naamloos</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Numbrella-rekenmachine </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Kan ‘%1’ niet openen.</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Kan het logboek niet opslaan in ‘%1’.</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Het bestand is niet gewijzigd.</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>Het logboek kon niet worden afgedrukt op ‘%1’.</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Numbrella-rekenmachine</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        Delen door nul kan niet!</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>Deze rekenmachine kan geen vierkantswortel van een negatief getal trekken</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>Negatief getal</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>Er is een fout opgetreden (mogelijk een overloop)....<byte value="xd"/>
werk gerust verder.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            Geen printer- of faxlettertypen</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>Wat voor lettertype is dat?</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>Weet u zeker dat u de bestaande waarde wilt overschrijven?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>Weet u zeker dat u alle constanten wilt wissen?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Weet u het zeker?</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>Wilt u dit document opslaan?</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>Wilt u het huidige document opslaan?</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>Werk opslaan?</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Het is geen tekstbestand.</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Het is groter dan het logboek kan bevatten (64 MB).</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>Berekend met de....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>Bezoek...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Tekstbestanden(*.txt)|*.txt|Batchbestanden(*.bat)|*.bat|Initialisatiebestanden(*.ini)|*.ini|Alle bestanden(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>Het afdruksysteem antwoordt niet. Probeer het zo meteen opnieuw.</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>De rekenmachine is afgesloten zonder het logboek op te slaan, laatst gewijzigd %1.<byte value="xd"/>
Wilt u het niet-opgeslagen logboek herstellen?</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>De rekenmachine is afgesloten zonder het logboek ‘%2’ op te slaan, laatst gewijzigd %1.<byte value="xd"/>
Wilt u het niet-opgeslagen logboek herstellen?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>De herstelkopie ‘%1’ van een niet-opgeslagen logboek kan niet worden gelezen. Ze is bewaard als ‘%2’.</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>Werk herstellen?</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>Afdrukken is niet beschikbaar: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> SI-info </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>Omrekening omkeren</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Voer hier uw waarde in</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Hier verschijnt het resultaat</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Kies het aantal decimalen</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Klik hier om de omrekening om te keren</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Getal:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Uitvoer:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Decimalen</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Wisselen</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Geselecteerde eenheden verwisselen</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Uitvoer naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Lijsten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Kopiëren naar klembord</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Geselecteerde eenheden &amp;wisselen</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>Het S&amp;I-stelsel</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>SI-&amp;basiseenheden</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>SI-&amp;voorvoegsels</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>Van:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>Naar:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>Uitgegeven voor<byte value="xd"/>
Zederu Dizira</translation>
    </message>
    <message>
        <source>%1 %2 units</source>
        <extracomment>What a screen reader says for a unit list: %1 is the caption over it (&quot;Convert:&quot; or &quot;Into:&quot;), %2 the category&apos;s title (&quot;Area&quot;).</extracomment>
        <translation>%1 eenheden voor %2</translation>
    </message>
    <message>
        <source>Conversion Calculator</source>
        <translation>Omrekenen</translation>
    </message>
</context>
<context>
    <name>numbrella::frmNewCalculator1</name>
    <message>
        <source>Operand 1</source>
        <translation>Operand 1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Operand 2</source>
        <translation>Operand 2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Uitkomst</translation>
    </message>
    <message>
        <source> Multiply </source>
        <translation> Vermenigvuldigen </translation>
    </message>
    <message>
        <source> Divide </source>
        <translation> Delen </translation>
    </message>
    <message>
        <source> Add </source>
        <translation> Optellen </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> Aftrekken </translation>
    </message>
    <message>
        <source> Square root </source>
        <translation> Vierkantswortel </translation>
    </message>
    <message>
        <source> Cube root </source>
        <translation> Derdemachtswortel </translation>
    </message>
    <message>
        <source> 1 divided by the number in operand 1 (reciprocal) </source>
        <translation> 1 gedeeld door het getal in operand 1 (omgekeerde) </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> Operand 1 tot de macht operand 2 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> Teken omkeren </translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source> Copy answer </source>
        <translation> Uitkomst kopiëren </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> Laatst gekopieerde uitkomst plakken </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>Terug &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> Laatste teken in het gekozen veld of de uitkomst wissen </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> Alle velden en de uitkomst wissen </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>Decimalen in uitkomst</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Constanten</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; W&amp;issen</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> Alle constanten wissen </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> Uitkomst overnemen </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> Deze waarde plakken </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>Logboek &amp;verbergen</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> Het logboek verdwijnt </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>Logboek wi&amp;ssen</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> Wist de inhoud van het logboek </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> Logboek vergroten </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> Logboek verkleinen </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--Gebruikt lettertype--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--Voor fax &amp; afdruk--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>V&amp;et</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> Geselecteerde en/of volgende tekst vet maken </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursief</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> Geselecteerde en/of volgende tekst cursief maken </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>Lettertype:</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> Kies een lettertype </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Grootte:</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> Kies een tekengrootte </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Regelafstand</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> Kies de afstand tussen de nieuwe regels in het logboek </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>Standaardprinter/faxprogramma:</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>Aantal lettertypen:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Opslaan &amp;als</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>Logboek af&amp;drukken</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Kni&amp;ppen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>P&amp;lakken</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Bee&amp;ld</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>Tekst&amp;achtergrond</translation>
    </message>
    <message>
        <source>&amp;Workboard</source>
        <translation>L&amp;ogboek</translation>
    </message>
    <message>
        <source>&amp;Display Workboard</source>
        <translation>Logboek &amp;tonen</translation>
    </message>
    <message>
        <source>Clear &amp;Workboard</source>
        <translation>Logboek &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>Om&amp;rekenen</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>Logboek &amp;tonen</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> Het logboek verdwijnt  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> Het logboek verschijnt weer </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>Schermlettertypen</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Decimaalteken</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Is gelijk aan</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Vierkantswortel</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Derdemachtswortel</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Omgekeerde</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Macht</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Teken omkeren</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>Constanten wissen</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>Uitkomst naar constante 1 kopiëren</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>Constante 1 plakken</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>Constante 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>Uitkomst naar constante 2 kopiëren</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>Constante 2 plakken</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>Constante 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>Uitkomst naar constante 3 kopiëren</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>Constante 3 plakken</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>Constante 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>Uitkomst naar constante 4 kopiëren</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>Constante 4 plakken</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>Constante 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>Uitkomst naar constante 5 kopiëren</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>Constante 5 plakken</translation>
    </message>
    <message>
        <source>Constant 5</source>
        <translation>Constante 5</translation>
    </message>
    <message>
        <source>Workboard</source>
        <translation>Logboek</translation>
    </message>
    <message>
        <source>Expand workboard</source>
        <translation>Logboek vergroten</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>Logboek verkleinen</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Rekenblad</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>Lettertype-eigenschappen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>&amp;Getal plakken</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>In operand &amp;overnemen</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Niets om te plakken</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>Niet precies één getal</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>Buiten het bereik van de rekenmachine</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>Geen uitkomst op deze regel</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> SI-basiseenheden </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbool</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grootheid</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIPrefixes1</name>
    <message>
        <source> SI Prefixes </source>
        <translation> SI-voorvoegsels </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbool</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Wetenschappelijke notatie</translation>
    </message>
</context>
</TS>
