<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Numbrella-Rechner: ein Rechner mit zwei Operanden, einem Protokoll und einem Einheitenumrechner.</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>Ein Textprotokoll, das im Protokollfeld geöffnet wird wie mit Datei &gt; Öffnen. Nur eines.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Zeigt diese Hilfe und endet.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Zeigt die Version und endet.</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt: das Fenstersystem, xcb (X11) oder wayland; sonst das der Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt: die X11-Anzeige, etwa :0.</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt: der Stil der Bedienelemente, etwa Fusion.</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt: ordnet die Fenster von rechts nach links an.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>Die Optionen nennt „%1 --help“.</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella: ein Fenster hält ein Protokoll; nicht geöffnet: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Das ist ein Ordner</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Das ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>Das Internationale Einheitensystem (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Quelle: US-Handelsministerium, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    Das Internationale Einheitensystem ist eine modernisierte Fassung des metrischen Systems. Es wurde durch internationale Vereinbarung festgelegt und bietet einen logischen, in sich geschlossenen Rahmen für alle Messungen in Wissenschaft, Industrie und Handel. Das System beruht auf sieben Basiseinheiten, von denen alle anderen Einheiten abgeleitet sind. (Metrische Maße und Gewichte wurden in den Vereinigten Staaten 1866 gesetzlich zugelassen, und die dort gebräuchlichen Maß- und Gewichtseinheiten sind über das Meter und das Kilogramm definiert.)</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  LÄNGE - Meter - Bis 1983 war das Meter als das 1 650 763,73-Fache der Wellenlänge der orangeroten Linie im Spektrum von Krypton-86 im Vakuum definiert. Seitdem ist es gleich der Strecke, die das Licht im Vakuum in 1/299 792,45 Sekunde zurücklegt.</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  ZEIT - Sekunde - Die Sekunde ist definiert als die Dauer von 9 192 631 770 Perioden der Strahlung, die einem bestimmten Übergang des Atoms Cäsium-133 entspricht.</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  MASSE - Kilogramm - Das Normal des Kilogramms ist ein Zylinder aus einer Platin-Iridium-Legierung, den das Internationale Büro für Maß und Gewicht in Paris aufbewahrt. Eine Kopie beim National Bureau of Standards dient als Massenormal der Vereinigten Staaten. Das Kilogramm ist die einzige Basiseinheit, die noch durch einen Gegenstand festgelegt ist.</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  TEMPERATUR - Kelvin - Das Kelvin ist definiert als der Bruchteil 1/273,16 der thermodynamischen Temperatur des Tripelpunkts von Wasser, also des Punkts, an dem Wasser als Festkörper, Flüssigkeit und Dampf nebeneinander besteht. Er liegt bei 0,01 °C auf der Celsius-Skala und bei 32,02 °F auf der Fahrenheit-Skala. Die Temperatur 0 °K heißt „absoluter Nullpunkt“.</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  ELEKTRISCHE STROMSTÄRKE - Ampere - Das Ampere ist definiert als die Stärke des Stroms, der, durch zwei lange, parallele Leiter im Abstand von einem Meter im freien Raum fließend, zwischen diesen Leitern (durch ihre Magnetfelder) eine Kraft von 2 × 10-7 Newton je Meter Leiterlänge hervorruft. (Ein Newton ist die Kraft, die einer Masse von einem Kilogramm eine Beschleunigung von einem Meter pro Sekunde pro Sekunde erteilt.)</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  LICHTSTÄRKE - Candela - Die Candela ist definiert als die Lichtstärke von 1/600 000 Quadratmeter eines Hohlraums bei der Temperatur erstarrenden Platins (2 042 °K).</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  STOFFMENGE - Mol - Das Mol ist die Stoffmenge eines Systems, das aus ebenso vielen Einzelteilchen besteht, wie Atome in 0,012 Kilogramm Kohlenstoff-12 enthalten sind.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>electric current</source>
        <translation>Stromstärke</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>Mol</translation>
    </message>
    <message>
        <source>amount of substance</source>
        <translation>Stoffmenge</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Candela</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>Lichtstärke</translation>
    </message>
    <message>
        <source>yotta-</source>
        <translation>Yotta-</translation>
    </message>
    <message>
        <source>zetta-</source>
        <translation>Zetta-</translation>
    </message>
    <message>
        <source>exa-</source>
        <translation>Exa-</translation>
    </message>
    <message>
        <source>peta-</source>
        <translation>Peta-</translation>
    </message>
    <message>
        <source>tera-</source>
        <translation>Tera-</translation>
    </message>
    <message>
        <source>giga-</source>
        <translation>Giga-</translation>
    </message>
    <message>
        <source>mega-</source>
        <translation>Mega-</translation>
    </message>
    <message>
        <source>kilo-</source>
        <translation>Kilo-</translation>
    </message>
    <message>
        <source>hecto-</source>
        <translation>Hekto-</translation>
    </message>
    <message>
        <source>deca-</source>
        <translation>Deka-</translation>
    </message>
    <message>
        <source>deci-</source>
        <translation>Dezi-</translation>
    </message>
    <message>
        <source>centi-</source>
        <translation>Zenti-</translation>
    </message>
    <message>
        <source>milli-</source>
        <translation>Milli-</translation>
    </message>
    <message>
        <source>micro-</source>
        <translation>Mikro-</translation>
    </message>
    <message>
        <source>nano-</source>
        <translation>Nano-</translation>
    </message>
    <message>
        <source>pico-</source>
        <translation>Piko-</translation>
    </message>
    <message>
        <source>femto-</source>
        <translation>Femto-</translation>
    </message>
    <message>
        <source>atto-</source>
        <translation>Atto-</translation>
    </message>
    <message>
        <source>zepto-</source>
        <translation>Zepto-</translation>
    </message>
    <message>
        <source>yocto-</source>
        <translation>Yokto-</translation>
    </message>
</context>
<context>
    <name>numbrella::UnitCatalogue</name>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yards</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Zentimeter</translation>
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
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Quadratyards</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Quadratmeilen</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Quadratmillimeter</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Quadratzentimeter</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Quadratkilometer</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Gallonen/Sekunde</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Gallonen/Minute</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Liter/Sekunde</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Liter/Minute</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Horsepower (hp)</translation>
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
        <translation>Unzen(avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Pfund(avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>US-Tonnen(avdp-2000#)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagramm</translation>
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
        <translation>Fuß/Sekunde</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Fuß/Minute</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Meilen/Stunde</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Meter/Sekunde</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Meter/Minute</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Kilometer/Stunde</translation>
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
        <translation>Kubikzoll</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Kubikfuß</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Kubikyards</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Kubikzentimeter</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Kubikmeter</translation>
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
        <translation>Gallonen</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Liter</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Unzenkraft/Zoll</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Unzenkraft/Fuß</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Pfundkraft/Zoll(Zoll-Pfund)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Pfundkraft/Fuß(Fuß-Pfund)</translation>
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
        <translation>Kalorien</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Pfundkraft-Zoll</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Pfundkraft-Fuß</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Horsepower-Stunden</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Kilowattstunden</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dyn</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Grammkraft</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogrammkraft</translation>
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
        <translation>Unzenkraft</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Pfundkraft</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Flamme</translation>
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
        <translation>Meterkerzen</translation>
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
        <translation>&amp;Fläche</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>The measure of a bounded region on a plane</source>
        <translation>Das Maß eines begrenzten Gebiets in einer Ebene</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Computerspeicher / Datenträger</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Computerspeicher / Datenträger</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> Speicher- und Datenträgergrößen digitaler Geräte. </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Entfernung</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>Die Länge der Strecke zwischen zwei Punkten</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>E&amp;nergie</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>The capacity for doing work - in modern physics, matter and energy are regarded as equivalents</source>
        <translation>Die Fähigkeit, Arbeit zu verrichten - in der modernen Physik gelten Materie und Energie als gleichwertig</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>&amp;Durchfluss</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>The amount of liquid passing by a fixed point during a prescribed amount of time</source>
        <translation>Die Flüssigkeitsmenge, die in einer festgelegten Zeit an einem festen Punkt vorbeifließt</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Kraft</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object</source>
        <translation>Die Ursache, die einen ruhenden Körper in Bewegung setzt oder die Bewegung eines bewegten Körpers ändert</translation>
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
        <translation>Der Fluss der Lichtstrahlung, gemessen am Sehempfinden des Auges</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>&amp;Masse</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass</source>
        <translation>Die Menge der Materie in einem Körper, gemessen an seiner Trägheit: Versuche zeigen, dass die Schwerkraft auf einen Körper seiner Masse proportional ist</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>Lei&amp;stung</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>Die je Zeiteinheit verrichtete Arbeit</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>Dr&amp;uck</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>Kraft je Flächeneinheit</translation>
    </message>
    <message>
        <source>T&amp;emperature</source>
        <translation>&amp;Temperatur</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>A measure of the average kinetic energy per molecule in a body</source>
        <translation>Ein Maß für die mittlere Bewegungsenergie je Molekül in einem Körper</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>D&amp;rehmoment</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>Kraftmoment (Drehmoment) - Ein Maß dafür, wie stark eine Kraft den Körper, an dem sie angreift, um eine Achse zu drehen sucht</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time</source>
        <translation>Geschwindigkeit - Die Änderung des Weges je Zeiteinheit: Sie wird als Weg geteilt durch Zeit angegeben</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volumen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>The quantity of space an object occupies</source>
        <translation>Der Raum, den ein Körper einnimmt</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Numbrella-Rechner - Unbenannt</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Numbrella-Rechner </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>„%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Das Protokoll kann nicht in „%1“ gespeichert werden.</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>Das Protokoll konnte nicht auf „%1“ gedruckt werden.</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Numbrella-Rechner</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        Durch null kann man nicht teilen!</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>Dieser Rechner kann keine Quadratwurzel aus einer negativen Zahl ziehen</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>Negative Zahl</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>Ein Fehler ist aufgetreten (vielleicht ein Überlauf)....<byte value="xd"/>
bitte arbeiten Sie weiter.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            Keine Drucker- oder Faxschriften</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>Was soll das für eine Schriftart sein?</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>Möchten Sie den vorhandenen Wert wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>Möchten Sie wirklich alle Konstanten löschen?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>Möchten Sie dieses Dokument speichern?</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>Möchten Sie Ihr aktuelles Dokument speichern?</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>Arbeit speichern?</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Die Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Die Datei ist größer, als das Protokoll fassen kann (64 MB).</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>Berechnet mit dem....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>Besuchen Sie...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Textdateien(*.txt)|*.txt|Batchdateien(*.bat)|*.bat|Initialisierungsdateien(*.ini)|*.ini|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>Das Drucksystem antwortet nicht. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>Der Rechner wurde beendet, ohne sein Protokoll zu speichern, zuletzt geändert %1.<byte value="xd"/>
Möchten Sie das ungespeicherte Protokoll wiederherstellen?</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>Der Rechner wurde beendet, ohne sein Protokoll „%2“ zu speichern, zuletzt geändert %1.<byte value="xd"/>
Möchten Sie das ungespeicherte Protokoll wiederherstellen?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>Die Sicherungskopie „%1“ eines ungespeicherten Protokolls kann nicht gelesen werden. Sie wurde als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>Arbeit wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>Drucken ist nicht möglich: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> SI-Info </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>Umrechnung umkehren</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Geben Sie hier Ihren Wert ein</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Hier erscheint das Ergebnis</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Anzahl der Nachkommastellen wählen</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Hier klicken, um die Umrechnung umzukehren</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Zahl:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ergibt:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Dezimalstellen</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Tauschen</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Gewählte Einheiten vertauschen</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Ausgabe in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>In Zwischenablage &amp;speichern</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Gewählte &amp;Einheiten tauschen</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>Das S&amp;I-System</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>SI-&amp;Basiseinheiten</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>SI-Prä&amp;fixe</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>Nach:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>Freigegeben für<byte value="xd"/>
Zederu Dizira</translation>
    </message>
    <message>
        <source>%1 %2 units</source>
        <extracomment>What a screen reader says for a unit list: %1 is the caption over it (&quot;Convert:&quot; or &quot;Into:&quot;), %2 the category&apos;s title (&quot;Area&quot;).</extracomment>
        <translation>%1 Einheiten für %2</translation>
    </message>
    <message>
        <source>Conversion Calculator</source>
        <translation>Umrechner</translation>
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
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source> Multiply </source>
        <translation> Multiplizieren </translation>
    </message>
    <message>
        <source> Divide </source>
        <translation> Dividieren </translation>
    </message>
    <message>
        <source> Add </source>
        <translation> Addieren </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> Subtrahieren </translation>
    </message>
    <message>
        <source> Square root </source>
        <translation> Quadratwurzel </translation>
    </message>
    <message>
        <source> Cube root </source>
        <translation> Kubikwurzel </translation>
    </message>
    <message>
        <source> 1 divided by the number in operand 1 (reciprocal) </source>
        <translation> 1 geteilt durch die Zahl in Operand 1 (Kehrwert) </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> Operand 1 hoch Operand 2 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> Vorzeichen wechseln </translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source> Copy answer </source>
        <translation> Ergebnis kopieren </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> Zuletzt kopiertes Ergebnis einfügen </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>Zurück &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> Letztes Zeichen im gewählten Feld löschen oder Ergebnis leeren </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles leeren</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> Alle Felder und das Ergebnis leeren </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>Nachkommastellen im Ergebnis</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Konstanten</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; &amp;Leeren</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> Alle Konstanten leeren </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> Ergebnis übernehmen </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> Diesen Wert einfügen </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>Protokoll &amp;ausblenden</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> Das Protokoll verschwindet </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>Protokoll l&amp;eeren</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> Leert den Inhalt des Protokolls </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> Protokoll vergrößern </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> Protokoll verkleinern </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--Verwendete Schrift--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--Für Fax &amp; Druck--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> Markierten und/oder folgenden Text fett setzen </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> Markierten und/oder folgenden Text kursiv setzen </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> Schriftart wählen </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> Schriftgröße wählen </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Zeilenabstand</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> Abstand zwischen den neuen Einträgen im Protokoll wählen </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>Standarddrucker/Faxprogramm:</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>Anzahl Schriften:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>Protokoll &amp;drucken</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>&amp;Hintergrundfarbe</translation>
    </message>
    <message>
        <source>&amp;Workboard</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>&amp;Display Workboard</source>
        <translation>Protokoll &amp;anzeigen</translation>
    </message>
    <message>
        <source>Clear &amp;Workboard</source>
        <translation>Protokoll &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>&amp;Umrechner</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>Protokoll e&amp;inblenden</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> Das Protokoll verschwindet  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> Das Protokoll erscheint wieder </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>Bildschirmschriften</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenz</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>Konstanten löschen</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>Ergebnis in Konstante 1 kopieren</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>Konstante 1 einfügen</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>Konstante 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>Ergebnis in Konstante 2 kopieren</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>Konstante 2 einfügen</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>Konstante 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>Ergebnis in Konstante 3 kopieren</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>Konstante 3 einfügen</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>Konstante 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>Ergebnis in Konstante 4 kopieren</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>Konstante 4 einfügen</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>Konstante 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>Ergebnis in Konstante 5 kopieren</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>Konstante 5 einfügen</translation>
    </message>
    <message>
        <source>Constant 5</source>
        <translation>Konstante 5</translation>
    </message>
    <message>
        <source>Workboard</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Expand workboard</source>
        <translation>Protokoll vergrößern</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>Protokoll verkleinern</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Rechenblatt</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>Schrifteigenschaften</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>&amp;Zahl einfügen</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>In &amp;Operand übernehmen</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Nichts zum Einfügen</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>Keine einzelne Zahl</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>Außerhalb des Zahlenbereichs</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>Kein Ergebnis in dieser Zeile</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> SI-Basiseinheiten </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIPrefixes1</name>
    <message>
        <source> SI Prefixes </source>
        <translation> SI-Präfixe </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Zehnerpotenz</translation>
    </message>
</context>
</TS>
