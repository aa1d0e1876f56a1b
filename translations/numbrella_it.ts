<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Calcolatrice Numbrella: una calcolatrice a due operandi con un registro dei calcoli e un convertitore di unità.</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>Un file di testo da aprire nel registro, come con File &gt; Apri. Uno solo.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt: il sistema di finestre, xcb (X11) o wayland; predefinito quello del desktop.</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt: il display X11 da aprire, ad esempio :0.</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt: lo stile dei widget, ad esempio Fusion.</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt: dispone le finestre da destra a sinistra.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>Usare «%1 --help» per vedere le opzioni.</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella: una finestra contiene un solo registro; non aperti: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Non è un file normale</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>Il Sistema internazionale di unità (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Fonte: Dipartimento del Commercio degli USA, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    Il Sistema internazionale di unità è una versione modernizzata del sistema metrico. Stabilito per accordo internazionale, offre un quadro logico e coerente per tutte le misure della scienza, dell&apos;industria e del commercio. Il sistema si fonda su sette unità di base, da cui derivano tutte le altre unità. (L&apos;uso di pesi e misure metrici fu legalizzato negli Stati Uniti nel 1866, e le unità di peso e di misura lì consuete sono definite in base al metro e al chilogrammo.)</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  LUNGHEZZA - Metro - Fino al 1983 il metro era definito come 1.650.763,73 lunghezze d&apos;onda, nel vuoto, della riga arancione-rossa dello spettro del kripton 86. Da allora è uguale alla distanza percorsa dalla luce nel vuoto in 1/299.792,45 di secondo.</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  TEMPO - Secondo - Il secondo è definito come la durata di 9.192.631.770 periodi della radiazione corrispondente a una determinata transizione dell&apos;atomo di cesio 133.</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  MASSA - Chilogrammo - Il campione del chilogrammo è un cilindro di lega di platino e iridio custodito dall&apos;Ufficio internazionale dei pesi e delle misure a Parigi. Una copia presso il National Bureau of Standards funge da campione di massa per gli Stati Uniti. Il chilogrammo è l&apos;unica unità di base ancora definita da un oggetto fisico.</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  TEMPERATURA - Kelvin - Il kelvin è definito come la frazione 1/273,16 della temperatura termodinamica del punto triplo dell&apos;acqua, cioè del punto in cui l&apos;acqua coesiste allo stato solido, liquido e di vapore. Questo punto corrisponde a 0,01 °C sulla scala centigrada o Celsius e a 32,02 °F sulla scala Fahrenheit. La temperatura di 0 °K è detta «zero assoluto».</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  CORRENTE ELETTRICA - Ampere - L&apos;ampere è definito come la corrente che, mantenuta in due lunghi conduttori paralleli posti a un metro di distanza nel vuoto, produrrebbe tra di essi (per i loro campi magnetici) una forza di 2 × 10-7 newton per metro di lunghezza. (Un newton è la forza che, applicata a una massa di un chilogrammo, le imprime un&apos;accelerazione di un metro al secondo al secondo.)</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  INTENSITÀ LUMINOSA - Candela - La candela è definita come l&apos;intensità luminosa di 1/600.000 di metro quadrato di una cavità alla temperatura di solidificazione del platino (2.042 °K).</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  QUANTITÀ DI SOSTANZA - Mole - La mole è la quantità di sostanza di un sistema che contiene tante entità elementari quanti sono gli atomi in 0,012 chilogrammi di carbonio 12.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>length</source>
        <translation>lunghezza</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Chilogrammo</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Secondo</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tempo</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>Ampere</translation>
    </message>
    <message>
        <source>electric current</source>
        <translation>corrente elettrica</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>temperatura</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>Mole</translation>
    </message>
    <message>
        <source>amount of substance</source>
        <translation>quantità di sostanza</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Candela</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>intensità luminosa</translation>
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
        <translation>chilo-</translation>
    </message>
    <message>
        <source>hecto-</source>
        <translation>etto-</translation>
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
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Piedi</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Iarde</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Miglia</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimetri</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimetri</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metri</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Chilometri</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Pollici quadrati</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Piedi quadrati</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Iarde quadrate</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Miglia quadrate</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Millimetri quadrati</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Centimetri quadrati</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Metri quadrati</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Chilometri quadrati</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Galloni/secondo</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Galloni/minuto</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Litri/secondo</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Litri/minuto</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Cavalli vapore (hp)</translation>
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
        <translation>Once(avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Libbre(avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Tonnellate corte(avdp-2000#)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Grammi</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Chilogrammi</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagrammi</translation>
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
        <translation>Piedi/secondo</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Piedi/minuto</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Miglia/ora</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Metri/secondo</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Metri/minuto</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Chilometri/ora</translation>
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
        <translation>Pollici cubi</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Piedi cubi</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Iarde cube</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Centimetri cubi</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Metri cubi</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>Pinte</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>Quarti di gallone</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Galloni</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litri</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Oncia-forza/pollice</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Oncia-forza/piede</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Libbra-forza/pollice(pollici-libbra)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Libbra-forza/piede(piedi-libbra)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newton metri</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorie</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Libbre-forza pollice</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Libbre-forza piede</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Cavalli vapore-ora</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Kilowattora</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dine</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Grammi-forza</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Chilogrammi-forza</translation>
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
        <translation>Once-forza</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Libbre-forza</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Fiamma</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Piedi-candela</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Metri-candela</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Byte (B)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Kilobyte (KB)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>Megabyte (MB)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>Gigabyte (GB)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>Terabyte (TB)</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Area</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>The measure of a bounded region on a plane</source>
        <translation>La misura di una regione limitata di un piano</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Memoria / Archiviazione</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Memoria / Archiviazione</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> Dimensioni di memoria e di archiviazione dei dispositivi digitali. </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distanza</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>La lunghezza del segmento che unisce due punti</translation>
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
        <translation>La capacità di compiere un lavoro - nella fisica moderna materia ed energia sono considerate equivalenti</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>P&amp;ortata</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>The amount of liquid passing by a fixed point during a prescribed amount of time</source>
        <translation>La quantità di liquido che passa per un punto fisso in un tempo dato</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Forza</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forza</translation>
    </message>
    <message>
        <source>The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object</source>
        <translation>La causa che mette in moto un oggetto in quiete o altera il moto di un oggetto in movimento</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Luce</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luce</translation>
    </message>
    <message>
        <source>The rate of flow of light radiation with respect to the sense of sight</source>
        <translation>Il flusso della radiazione luminosa, valutato secondo la sensibilità dell&apos;occhio</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>Ma&amp;ssa</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
    <message>
        <source>The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass</source>
        <translation>La quantità di materia di un corpo, misurata dalla sua inerzia: sperimentalmente si osserva che la forza di gravità su un oggetto è proporzionale alla sua massa</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>&amp;Potenza</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>Il lavoro compiuto per unità di tempo</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>P&amp;ressione</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>Forza per unità di superficie</translation>
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
        <translation>Una misura dell&apos;energia cinetica media per molecola di un corpo</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>&amp;Coppia</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>Momento di una forza (coppia) - Una misura della tendenza di una forza a far ruotare attorno a un asse il corpo su cui agisce</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time</source>
        <translation>Velocità - La variazione della distanza per unità di tempo: si esprime come distanza divisa per tempo</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>Vol&amp;ume</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>The quantity of space an object occupies</source>
        <translation>Lo spazio occupato da un oggetto</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Calcolatrice Numbrella - Senza titolo</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Calcolatrice Numbrella </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Impossibile aprire «%1».</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Impossibile salvare il registro in «%1».</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Il file non è stato modificato.</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>Non è stato possibile stampare il registro su «%1».</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Calcolatrice Numbrella</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        Non si può dividere per zero!</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>Questa calcolatrice non può calcolare la radice quadrata di un numero negativo</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>Numero negativo</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>Si è verificato un errore (forse un overflow)....<byte value="xd"/>
si può continuare a lavorare.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            Nessun carattere di stampante o fax</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>Che razza di carattere è questo?</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>Sovrascrivere davvero il valore esistente?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>Cancellare davvero tutte le costanti?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>Salvare questo documento?</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>Salvare il documento attuale?</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>Salvare il lavoro?</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Non è un file di testo.</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>È più grande di quanto il registro possa contenere (64 MB).</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>Calcolato con la....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>Visita...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>File di testo(*.txt)|*.txt|File batch(*.bat)|*.bat|File di inizializzazione(*.ini)|*.ini|Tutti i file(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>Il sistema di stampa non risponde. Riprovare tra un momento.</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>La calcolatrice è stata chiusa senza salvare il registro, modificato l&apos;ultima volta %1.<byte value="xd"/>
Ripristinare il registro non salvato?</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>La calcolatrice è stata chiusa senza salvare il registro «%2», modificato l&apos;ultima volta %1.<byte value="xd"/>
Ripristinare il registro non salvato?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>Impossibile leggere la copia di ripristino «%1» di un registro non salvato. È stata conservata come «%2».</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>Ripristinare il lavoro?</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>La stampa non è disponibile: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> Informazioni SI </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>Inverti la conversione</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Inserisci qui il valore</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Qui compare il risultato</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Scegli il numero di decimali</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Fai clic qui per invertire la conversione</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Dato:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Pari a:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Decimali</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Scambia</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Scambia le unità scelte</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Copia il risultato negli appunti</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Elenchi</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Salva negli appunti</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Scambia le &amp;unità scelte</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>Il sistema S&amp;I</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>Unità SI di &amp;base</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>&amp;Prefissi SI</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>Da:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>Distribuito a<byte value="xd"/>
Zederu Dizira</translation>
    </message>
    <message>
        <source>%1 %2 units</source>
        <extracomment>What a screen reader says for a unit list: %1 is the caption over it (&quot;Convert:&quot; or &quot;Into:&quot;), %2 the category&apos;s title (&quot;Area&quot;).</extracomment>
        <translation>%1 unità di %2</translation>
    </message>
    <message>
        <source>Conversion Calculator</source>
        <translation>Convertitore di unità</translation>
    </message>
</context>
<context>
    <name>numbrella::frmNewCalculator1</name>
    <message>
        <source>Operand 1</source>
        <translation>Operando 1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operatore</translation>
    </message>
    <message>
        <source>Operand 2</source>
        <translation>Operando 2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source> Multiply </source>
        <translation> Moltiplica </translation>
    </message>
    <message>
        <source> Divide </source>
        <translation> Dividi </translation>
    </message>
    <message>
        <source> Add </source>
        <translation> Somma </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> Sottrai </translation>
    </message>
    <message>
        <source> Square root </source>
        <translation> Radice quadrata </translation>
    </message>
    <message>
        <source> Cube root </source>
        <translation> Radice cubica </translation>
    </message>
    <message>
        <source> 1 divided by the number in operand 1 (reciprocal) </source>
        <translation> 1 diviso il numero dell&apos;operando 1 (reciproco) </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> Operando 1 elevato all&apos;operando 2 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> Cambia segno </translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source> Copy answer </source>
        <translation> Copia il risultato </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> Incolla l&apos;ultimo risultato copiato </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>Indietro &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> Cancella l&apos;ultimo carattere del campo scelto o il risultato </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> Cancella tutti i campi e il risultato </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>Decimali nel risultato</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Costanti</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; &amp;Pulisci</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> Cancella tutte le costanti </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> Prendi il risultato </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> Incolla questo valore </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>&amp;Nascondi registro</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> Il registro scompare </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>Pu&amp;lisci registro</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> Cancella il contenuto del registro </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> Ingrandisci il registro </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> Riduci il registro </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--Carattere usato--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--Per fax &amp; stampa--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Grassetto</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> Metti in grassetto il testo selezionato e/o quello successivo </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>Cors&amp;ivo</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> Metti in corsivo il testo selezionato e/o quello successivo </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>Carattere:</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> Scegli un carattere </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> Scegli una dimensione del carattere </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Interlinea</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> Scegli la spaziatura tra le nuove voci del registro </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>Stampante/fax predefinito:</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>Numero di caratteri:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Salva &amp;come</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>Stam&amp;pa registro</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>&amp;Sfondo del testo</translation>
    </message>
    <message>
        <source>&amp;Workboard</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>&amp;Display Workboard</source>
        <translation>&amp;Mostra registro</translation>
    </message>
    <message>
        <source>Clear &amp;Workboard</source>
        <translation>&amp;Pulisci registro</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>&amp;Convertitore</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>Mo&amp;stra registro</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> Il registro scompare  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> Il registro ricompare </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>Caratteri dello schermo</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Punto decimale</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Uguale</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Moltiplica</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Somma</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Sottrai</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Radice quadrata</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Radice cubica</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Reciproco</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambia segno</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Cancella indietro</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>Cancella le costanti</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>Copia il risultato nella costante 1</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>Incolla la costante 1</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>Costante 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>Copia il risultato nella costante 2</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>Incolla la costante 2</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>Costante 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>Copia il risultato nella costante 3</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>Incolla la costante 3</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>Costante 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>Copia il risultato nella costante 4</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>Incolla la costante 4</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>Costante 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>Copia il risultato nella costante 5</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>Incolla la costante 5</translation>
    </message>
    <message>
        <source>Constant 5</source>
        <translation>Costante 5</translation>
    </message>
    <message>
        <source>Workboard</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Expand workboard</source>
        <translation>Ingrandisci il registro</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>Riduci il registro</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Foglio di calcolo</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>Proprietà del carattere</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>Incolla &amp;numero</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>&amp;Usa nell&apos;operando</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Niente da incollare</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>Non è un solo numero</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>Fuori dall&apos;intervallo della calcolatrice</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>Nessun risultato su questa riga</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> Unità SI di base </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandezza</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIPrefixes1</name>
    <message>
        <source> SI Prefixes </source>
        <translation> Prefissi SI </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Fattore</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Potenza di dieci</translation>
    </message>
</context>
</TS>
