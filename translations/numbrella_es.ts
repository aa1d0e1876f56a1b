<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Calculadora Numbrella: una calculadora de dos operandos con un registro de los cálculos y un conversor de unidades.</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>Un archivo de texto para abrir en el registro, como lo hace Archivo &gt; Abrir. Solo uno.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt: el sistema de ventanas, xcb (X11) o wayland; por omisión, el del escritorio.</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt: la pantalla X11 que abrir, como :0.</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt: el estilo de los controles, como Fusion.</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt: dispone las ventanas de derecha a izquierda.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>Pruebe «%1 --help» para ver las opciones.</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella: una ventana contiene un solo registro; no se abrieron: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>El Sistema Internacional de Unidades (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Fuente: Departamento de Comercio de EE. UU., National Bureau of Standards.</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    El Sistema Internacional de Unidades es una versión modernizada del sistema métrico. Establecido por acuerdo internacional, ofrece un marco lógico y coherente para todas las mediciones de la ciencia, la industria y el comercio. El sistema se basa en siete unidades básicas, de las que se derivan todas las demás. (El uso de pesas y medidas métricas se legalizó en los Estados Unidos en 1866, y las unidades de peso y medida habituales allí se definen a partir del metro y el kilogramo.)</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  LONGITUD - Metro - Hasta 1983, el metro se definía como 1 650 763,73 longitudes de onda, en el vacío, de la línea naranja rojiza del espectro del kriptón 86. Desde entonces, es igual a la distancia que recorre la luz en el vacío en 1/299 792,45 de segundo.</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  TIEMPO - Segundo - El segundo se define como la duración de 9 192 631 770 periodos de la radiación correspondiente a una transición determinada del átomo de cesio 133.</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  MASA - Kilogramo - El patrón del kilogramo es un cilindro de una aleación de platino e iridio que conserva la Oficina Internacional de Pesas y Medidas en París. Una copia en el National Bureau of Standards sirve de patrón de masa para los Estados Unidos. El kilogramo es la única unidad básica que aún se define mediante un objeto físico.</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  TEMPERATURA - Kelvin - El kelvin se define como la fracción 1/273,16 de la temperatura termodinámica del punto triple del agua, es decir, el punto en que el agua coexiste en estado sólido, líquido y gaseoso. Este punto corresponde a 0,01 °C en la escala centígrada o Celsius y a 32,02 °F en la escala Fahrenheit. La temperatura de 0 °K se llama «cero absoluto».</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  CORRIENTE ELÉCTRICA - Amperio - El amperio se define como la corriente que, mantenida en dos conductores largos y paralelos separados un metro en el vacío, produciría entre ellos (por sus campos magnéticos) una fuerza de 2 × 10-7 newton por metro de longitud. (Un newton es la fuerza que, aplicada a una masa de un kilogramo, le comunica una aceleración de un metro por segundo por segundo.)</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  INTENSIDAD LUMINOSA - Candela - La candela se define como la intensidad luminosa de 1/600 000 de metro cuadrado de una cavidad a la temperatura de solidificación del platino (2042 °K).</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  CANTIDAD DE SUSTANCIA - Mol - El mol es la cantidad de sustancia de un sistema que contiene tantas entidades elementales como átomos hay en 0,012 kilogramos de carbono 12.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>length</source>
        <translation>longitud</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Kilogramo</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>masa</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>time</source>
        <translation>tiempo</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>Amperio</translation>
    </message>
    <message>
        <source>electric current</source>
        <translation>corriente eléctrica</translation>
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
        <translation>Mol</translation>
    </message>
    <message>
        <source>amount of substance</source>
        <translation>cantidad de sustancia</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Candela</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>intensidad luminosa</translation>
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
        <translation>mili-</translation>
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
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yardas</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Millas</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centímetros</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilómetros</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Pulgadas cuadradas</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Pies cuadrados</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Yardas cuadradas</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Millas cuadradas</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Milímetros cuadrados</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Centímetros cuadrados</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Metros cuadrados</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Kilómetros cuadrados</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Galones/segundo</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Galones/minuto</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Litros/segundo</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Litros/minuto</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Caballos de fuerza (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Vatios</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Kilovatios</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Megavatios</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Onzas(avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Libras(avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Toneladas cortas(avdp-2000#)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramos</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramos</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagramos</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Milibares</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bares</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Pascales</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopascales</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Pies/segundo</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Pies/minuto</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Millas/hora</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Metros/segundo</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Metros/minuto</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Kilómetros/hora</translation>
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
        <translation>Pulgadas cúbicas</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Pies cúbicos</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Yardas cúbicas</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Centímetros cúbicos</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Metros cúbicos</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>Pintas</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>Cuartos de galón</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Galones</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litros</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Onza-fuerza/pulgada</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Onza-fuerza/pie</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Libra-fuerza/pulgada(pulgadas-libra)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Libra-fuerza/pie(pies-libra)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newton metros</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorías</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Libras-fuerza pulgada</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Libras-fuerza pie</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Caballos de fuerza-hora</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Julios</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Kilovatios-hora</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dinas</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Gramos-fuerza</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogramos-fuerza</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>Milinewtons</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newtons</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>Kilonewtons</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Onzas-fuerza</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Libras-fuerza</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Llama</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Pies-candela</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Metros-candela</translation>
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
        <translation>Á&amp;rea</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>The measure of a bounded region on a plane</source>
        <translation>La medida de una región limitada de un plano</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Memoria / Almacenamiento</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Memoria / Almacenamiento</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> Tamaños de memoria y almacenamiento de los dispositivos digitales. </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distancia</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>La longitud del segmento que une dos puntos</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>&amp;Energía</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>The capacity for doing work - in modern physics, matter and energy are regarded as equivalents</source>
        <translation>La capacidad de realizar un trabajo - en la física moderna, materia y energía se consideran equivalentes</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>&amp;Caudal</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>The amount of liquid passing by a fixed point during a prescribed amount of time</source>
        <translation>La cantidad de líquido que pasa por un punto fijo durante un tiempo dado</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Fuerza</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object</source>
        <translation>La causa que pone en movimiento un objeto en reposo o altera el movimiento de un objeto en movimiento</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Luz</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luz</translation>
    </message>
    <message>
        <source>The rate of flow of light radiation with respect to the sense of sight</source>
        <translation>El flujo de la radiación luminosa, medido según la sensibilidad de la vista</translation>
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
        <translation>La cantidad de materia de un cuerpo, medida por su inercia: la experiencia muestra que la fuerza gravitatoria sobre un objeto es proporcional a su masa</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>&amp;Potencia</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>El trabajo realizado por unidad de tiempo</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>Pre&amp;sión</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>Fuerza por unidad de superficie</translation>
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
        <translation>Una medida de la energía cinética media por molécula de un cuerpo</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>Par de t&amp;orsión</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Par de torsión</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>Momento de fuerza (par de torsión) - Una medida de la tendencia de una fuerza a hacer girar alrededor de un eje el cuerpo sobre el que actúa</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time</source>
        <translation>Velocidad (rapidez) - La variación de la distancia por unidad de tiempo: se expresa como distancia dividida por tiempo</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>Vol&amp;umen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>The quantity of space an object occupies</source>
        <translation>El espacio que ocupa un objeto</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Calculadora Numbrella - Sin título</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Calculadora Numbrella </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>No se puede abrir «%1».</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>No se puede guardar el registro en «%1».</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>El archivo no se ha modificado.</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>No se ha podido imprimir el registro en «%1».</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Calculadora Numbrella</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        ¡No se puede dividir por cero!</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>Esta calculadora no puede hallar la raíz cuadrada de un número negativo</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>Número negativo</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>Se ha producido un error (quizá un desbordamiento)....<byte value="xd"/>
puede seguir trabajando.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            No hay fuentes de impresora ni de fax</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>¿Qué clase de fuente es esa?</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>¿Seguro que quiere sobrescribir el valor existente?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>¿Seguro que quiere borrar todas las constantes?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>¿Quiere guardar este documento?</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>¿Desea guardar el documento actual?</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>¿Guardar su trabajo?</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>No es un archivo de texto.</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Es más grande de lo que cabe en el registro (64 MB).</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>Calculado con la....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>Visite...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Archivos de texto(*.txt)|*.txt|Archivos por lotes(*.bat)|*.bat|Archivos de inicialización(*.ini)|*.ini|Todos los archivos(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>El sistema de impresión no responde. Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>La calculadora se cerró sin guardar su registro, modificado por última vez %1.<byte value="xd"/>
¿Quiere restaurar el registro sin guardar?</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>La calculadora se cerró sin guardar su registro «%2», modificado por última vez %1.<byte value="xd"/>
¿Quiere restaurar el registro sin guardar?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>No se puede leer la copia de recuperación «%1» de un registro sin guardar. Se ha conservado como «%2».</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>¿Restaurar su trabajo?</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>No se puede imprimir: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> Información del SI </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>Invertir la conversión</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Introduzca aquí su valor</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Aquí aparece el resultado</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Elija el número de decimales</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Pulse aquí para invertir la conversión</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Igual a:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Decimales</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>I&amp;ntercambiar</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Intercambiar las unidades elegidas</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Copiar el resultado al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Guardar en el portapapeles</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Intercambiar las &amp;unidades elegidas</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>El sistema S&amp;I</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>Unidades &amp;básicas del SI</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>&amp;Prefijos del SI</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>Distribuido a<byte value="xd"/>
Zederu Dizira</translation>
    </message>
    <message>
        <source>%1 %2 units</source>
        <extracomment>What a screen reader says for a unit list: %1 is the caption over it (&quot;Convert:&quot; or &quot;Into:&quot;), %2 the category&apos;s title (&quot;Area&quot;).</extracomment>
        <translation>%1 unidades de %2</translation>
    </message>
    <message>
        <source>Conversion Calculator</source>
        <translation>Conversor de unidades</translation>
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
        <translation>Operador</translation>
    </message>
    <message>
        <source>Operand 2</source>
        <translation>Operando 2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source> Multiply </source>
        <translation> Multiplicar </translation>
    </message>
    <message>
        <source> Divide </source>
        <translation> Dividir </translation>
    </message>
    <message>
        <source> Add </source>
        <translation> Sumar </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> Restar </translation>
    </message>
    <message>
        <source> Square root </source>
        <translation> Raíz cuadrada </translation>
    </message>
    <message>
        <source> Cube root </source>
        <translation> Raíz cúbica </translation>
    </message>
    <message>
        <source> 1 divided by the number in operand 1 (reciprocal) </source>
        <translation> 1 dividido por el número del operando 1 (inverso) </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> Operando 1 elevado al operando 2 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> Cambiar el signo </translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source> Copy answer </source>
        <translation> Copiar el resultado </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> Pegar el último resultado copiado </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>Atrás &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> Borrar el último carácter del campo elegido o el resultado </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> Borrar todos los campos y el resultado </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>Decimales del resultado</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; &amp;Borrar</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> Borrar todas las constantes </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> Tomar el resultado </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> Pegar este valor </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>&amp;Ocultar registro</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> El registro desaparece </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>&amp;Limpiar registro</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> Borra el contenido del registro </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> Ampliar el registro </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> Reducir el registro </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--Fuente utilizada--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--Para fax &amp; impresión--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> Poner en negrita el texto seleccionado y/o el siguiente </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>C&amp;ursiva</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> Poner en cursiva el texto seleccionado y/o el siguiente </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> Elegir una fuente </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> Elegir un tamaño de fuente </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Interlineado</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> Elegir el espacio entre las nuevas entradas del registro </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>Impresora/fax predeterminado:</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>Número de fuentes:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Guardar &amp;como</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>&amp;Imprimir registro</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>&amp;Fondo del texto</translation>
    </message>
    <message>
        <source>&amp;Workboard</source>
        <translation>&amp;Registro</translation>
    </message>
    <message>
        <source>&amp;Display Workboard</source>
        <translation>&amp;Mostrar registro</translation>
    </message>
    <message>
        <source>Clear &amp;Workboard</source>
        <translation>&amp;Limpiar registro</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>&amp;Conversor</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>&amp;Mostrar registro</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> El registro desaparece  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> El registro reaparece </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>Fuentes de pantalla</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Punto decimal</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Restar</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Raíz cuadrada</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Raíz cúbica</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Cambiar el signo</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>Borrar las constantes</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>Copiar el resultado en la constante 1</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>Pegar la constante 1</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>Constante 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>Copiar el resultado en la constante 2</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>Pegar la constante 2</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>Constante 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>Copiar el resultado en la constante 3</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>Pegar la constante 3</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>Constante 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>Copiar el resultado en la constante 4</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>Pegar la constante 4</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>Constante 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>Copiar el resultado en la constante 5</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>Pegar la constante 5</translation>
    </message>
    <message>
        <source>Constant 5</source>
        <translation>Constante 5</translation>
    </message>
    <message>
        <source>Workboard</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Expand workboard</source>
        <translation>Ampliar el registro</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>Reducir el registro</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Hoja de cálculo</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>Propiedades de la fuente</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>Pegar &amp;número</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>&amp;Usar en el operando</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Nada que pegar</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>No es un único número</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>Fuera del rango de la calculadora</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>No hay resultado en esta línea</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> Unidades básicas del SI </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Magnitud</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIPrefixes1</name>
    <message>
        <source> SI Prefixes </source>
        <translation> Prefijos del SI </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Potencia de diez</translation>
    </message>
</context>
</TS>
