<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Calculatrice Numbrella&#xa0;: une calculatrice à deux opérandes, avec un journal des calculs et un convertisseur d&apos;unités.</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>Un fichier texte à ouvrir dans le journal, comme avec Fichier &gt; Ouvrir. Un seul.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt&#xa0;: le système de fenêtrage, xcb (X11) ou wayland&#xa0;; par défaut celui du bureau.</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt&#xa0;: l&apos;affichage X11 à ouvrir, par exemple :0.</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt&#xa0;: le style des widgets, par exemple Fusion.</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt&#xa0;: dispose les fenêtres de droite à gauche.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;» pour voir les options.</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella&#xa0;: une fenêtre ne contient qu&apos;un journal&#xa0;; non ouverts&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>Le Système international d&apos;unités (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Source&#xa0;: Département du Commerce des États-Unis, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    Le Système international d&apos;unités est une version modernisée du système métrique. Établi par un accord international, il offre un cadre logique et cohérent à toutes les mesures de la science, de l&apos;industrie et du commerce. Le système repose sur sept unités de base, dont toutes les autres unités sont dérivées. (L&apos;usage des poids et mesures métriques a été légalisé aux États-Unis en 1866, et les unités de poids et de mesure usuelles y sont définies à partir du mètre et du kilogramme.)</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  LONGUEUR - Mètre - Jusqu&apos;en 1983, le mètre était défini comme 1&#xa0;650&#xa0;763,73 longueurs d&apos;onde, dans le vide, de la raie orange-rouge du spectre du krypton 86. Depuis, il est égal à la distance parcourue par la lumière dans le vide en 1/299&#xa0;792,45 de seconde.</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  TEMPS - Seconde - La seconde est définie comme la durée de 9&#xa0;192&#xa0;631&#xa0;770 périodes de la radiation correspondant à une transition déterminée de l&apos;atome de césium 133.</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  MASSE - Kilogramme - L&apos;étalon du kilogramme est un cylindre en alliage de platine iridié conservé par le Bureau international des poids et mesures à Paris. Une copie conservée au National Bureau of Standards sert d&apos;étalon de masse aux États-Unis. Le kilogramme est la seule unité de base encore définie par un objet matériel.</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  TEMPÉRATURE - Kelvin - Le kelvin est défini comme la fraction 1/273,16 de la température thermodynamique du point triple de l&apos;eau, c&apos;est-à-dire du point où l&apos;eau coexiste à l&apos;état solide, liquide et gazeux. Ce point est fixé à 0,01&#xa0;°C sur l&apos;échelle centigrade ou Celsius et à 32,02&#xa0;°F sur l&apos;échelle Fahrenheit. La température de 0&#xa0;°K est appelée «&#xa0;zéro absolu&#xa0;».</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  COURANT ÉLECTRIQUE - Ampère - L&apos;ampère est défini comme l&apos;intensité d&apos;un courant constant qui, maintenu dans deux longs conducteurs parallèles placés à un mètre l&apos;un de l&apos;autre dans le vide, produirait entre eux (par leurs champs magnétiques) une force de 2 × 10-7 newton par mètre de longueur. (Le newton est la force qui communique à une masse d&apos;un kilogramme une accélération d&apos;un mètre par seconde par seconde.)</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  INTENSITÉ LUMINEUSE - Candela - La candela est définie comme l&apos;intensité lumineuse de 1/600&#xa0;000 de mètre carré d&apos;une cavité à la température de solidification du platine (2&#xa0;042&#xa0;°K).</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  QUANTITÉ DE MATIÈRE - Mole - La mole est la quantité de matière d&apos;un système contenant autant d&apos;entités élémentaires qu&apos;il y a d&apos;atomes dans 0,012 kilogramme de carbone 12.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Mètre</translation>
    </message>
    <message>
        <source>length</source>
        <translation>longueur</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Kilogramme</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>masse</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>time</source>
        <translation>temps</translation>
    </message>
    <message>
        <source>Ampere</source>
        <translation>Ampère</translation>
    </message>
    <message>
        <source>electric current</source>
        <translation>courant électrique</translation>
    </message>
    <message>
        <source>Kelvin</source>
        <translation>Kelvin</translation>
    </message>
    <message>
        <source>temperature</source>
        <translation>température</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>Mole</translation>
    </message>
    <message>
        <source>amount of substance</source>
        <translation>quantité de matière</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Candela</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>intensité lumineuse</translation>
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
        <translation>péta-</translation>
    </message>
    <message>
        <source>tera-</source>
        <translation>téra-</translation>
    </message>
    <message>
        <source>giga-</source>
        <translation>giga-</translation>
    </message>
    <message>
        <source>mega-</source>
        <translation>méga-</translation>
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
        <translation>déca-</translation>
    </message>
    <message>
        <source>deci-</source>
        <translation>déci-</translation>
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
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yards</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Milles</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimètres</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilomètres</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Pouces carrés</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Pieds carrés</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Yards carrés</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Milles carrés</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Millimètres carrés</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Centimètres carrés</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Mètres carrés</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Kilomètres carrés</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Gallons/seconde</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Gallons/minute</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Litres/seconde</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Litres/minute</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Chevaux-vapeur (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Kilowatts</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Mégawatts</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Onces(avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Livres(avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Tonnes US(avdp-2000#)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Grammes</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogrammes</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Mégagrammes</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Millibars</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Pascals</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopascals</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Pieds/seconde</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Pieds/minute</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Milles/heure</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Mètres/seconde</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Mètres/minute</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Kilomètres/heure</translation>
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
        <translation>Pouces cubes</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Pieds cubes</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Yards cubes</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Centimètres cubes</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Mètres cubes</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>Pintes</translation>
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
        <translation>Litres</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Once-force/pouce</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Once-force/pied</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Livre-force/pouce(pouces-livres)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Livre-force/pied(pieds-livres)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newtons-mètres</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calories</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Livres-force-pouces</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Livres-force-pieds</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Chevaux-vapeur-heures</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joules</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Kilowattheures</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dynes</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Grammes-force</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogrammes-force</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>Millinewtons</translation>
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
        <translation>Onces-force</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Livres-force</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Flamme</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Pieds-bougies</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Mètres-bougies</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Octets (o)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Kilooctets (Ko)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>Mégaoctets (Mo)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>Gigaoctets (Go)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>Téraoctets (To)</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Superficie</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>The measure of a bounded region on a plane</source>
        <translation>La mesure d&apos;une région limitée d&apos;un plan</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Mémoire / Stockage</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Mémoire / Stockage</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> Tailles de mémoire et de stockage des appareils numériques. </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distance</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>La longueur du segment qui relie deux points</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>É&amp;nergie</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>The capacity for doing work - in modern physics, matter and energy are regarded as equivalents</source>
        <translation>La capacité à fournir un travail - en physique moderne, matière et énergie sont considérées comme équivalentes</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>Dé&amp;bit</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>The amount of liquid passing by a fixed point during a prescribed amount of time</source>
        <translation>La quantité de liquide qui passe en un point fixe pendant une durée donnée</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Force</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object</source>
        <translation>La cause qui met en mouvement un objet au repos ou modifie le mouvement d&apos;un objet en mouvement</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Lumière</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lumière</translation>
    </message>
    <message>
        <source>The rate of flow of light radiation with respect to the sense of sight</source>
        <translation>Le flux du rayonnement lumineux, évalué selon la sensibilité de l&apos;œil</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>M&amp;asse</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass</source>
        <translation>La quantité de matière d&apos;un corps, mesurée par son inertie&#xa0;: l&apos;expérience montre que la force de gravitation qui s&apos;exerce sur un objet est proportionnelle à sa masse</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>&amp;Puissance</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>Le travail fourni par unité de temps</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>P&amp;ression</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>Force par unité de surface</translation>
    </message>
    <message>
        <source>T&amp;emperature</source>
        <translation>&amp;Température</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>A measure of the average kinetic energy per molecule in a body</source>
        <translation>Une mesure de l&apos;énergie cinétique moyenne par molécule d&apos;un corps</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>&amp;Couple</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>Moment de force (couple) - Une mesure de la tendance d&apos;une force à faire tourner autour d&apos;un axe le corps sur lequel elle agit</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time</source>
        <translation>Vitesse - La variation de la distance par unité de temps&#xa0;: elle s&apos;exprime en distance divisée par temps</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>V&amp;olume</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>The quantity of space an object occupies</source>
        <translation>L&apos;espace qu&apos;occupe un objet</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Calculatrice Numbrella - Sans titre</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Calculatrice Numbrella </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Impossible d&apos;enregistrer le journal dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>Le journal n&apos;a pas pu être imprimé sur «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Calculatrice Numbrella</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        Division par zéro impossible&#xa0;!</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>Cette calculatrice ne peut pas calculer la racine carrée d&apos;un nombre négatif</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>Nombre négatif</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>Une erreur s&apos;est produite (peut-être un dépassement de capacité)....<byte value="xd"/>
vous pouvez continuer à travailler.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            Aucune police d&apos;imprimante ou de fax</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>Qu&apos;est-ce que c&apos;est que cette police&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>Voulez-vous vraiment remplacer la valeur existante&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>Voulez-vous vraiment effacer toutes les constantes&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr&#xa0;?</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>Voulez-vous enregistrer ce document&#xa0;?</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>Voulez-vous enregistrer le document en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>Enregistrer votre travail&#xa0;?</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Ce n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Il est plus grand que ce que le journal peut contenir (64&#xa0;Mo).</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>Calculé avec la....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>Visitez...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Fichiers texte(*.txt)|*.txt|Fichiers de commandes(*.bat)|*.bat|Fichiers d&apos;initialisation(*.ini)|*.ini|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>Le système d&apos;impression ne répond pas. Veuillez réessayer dans un instant.</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>La calculatrice s&apos;est arrêtée sans enregistrer son journal, modifié pour la dernière fois %1.<byte value="xd"/>
Voulez-vous restaurer le journal non enregistré&#xa0;?</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>La calculatrice s&apos;est arrêtée sans enregistrer son journal «&#xa0;%2&#xa0;», modifié pour la dernière fois %1.<byte value="xd"/>
Voulez-vous restaurer le journal non enregistré&#xa0;?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>La copie de récupération «&#xa0;%1&#xa0;» d&apos;un journal non enregistré est illisible. Elle a été conservée sous «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>Restaurer votre travail&#xa0;?</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>L&apos;impression n&apos;est pas disponible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> Infos SI </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>Inverser la conversion</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Saisissez votre valeur ici</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Le résultat de la conversion apparaît ici</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Choisir le nombre de décimales</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Cliquez ici pour inverser la conversion</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Val.&#xa0;:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Rés.&#xa0;:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Décimales</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Permuter</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Permuter les unités choisies</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Copier le résultat dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listes</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Permuter les &amp;unités choisies</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Infos</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>Le système S&amp;I</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>Unités SI de &amp;base</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>&amp;Préfixes SI</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>De&#xa0;:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>En&#xa0;:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>Distribué à<byte value="xd"/>
Zederu Dizira</translation>
    </message>
    <message>
        <source>%1 %2 units</source>
        <extracomment>What a screen reader says for a unit list: %1 is the caption over it (&quot;Convert:&quot; or &quot;Into:&quot;), %2 the category&apos;s title (&quot;Area&quot;).</extracomment>
        <translation>%1 unités de %2</translation>
    </message>
    <message>
        <source>Conversion Calculator</source>
        <translation>Convertisseur d&apos;unités</translation>
    </message>
</context>
<context>
    <name>numbrella::frmNewCalculator1</name>
    <message>
        <source>Operand 1</source>
        <translation>Opérande 1</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Operand 2</source>
        <translation>Opérande 2</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source> Multiply </source>
        <translation> Multiplier </translation>
    </message>
    <message>
        <source> Divide </source>
        <translation> Diviser </translation>
    </message>
    <message>
        <source> Add </source>
        <translation> Additionner </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> Soustraire </translation>
    </message>
    <message>
        <source> Square root </source>
        <translation> Racine carrée </translation>
    </message>
    <message>
        <source> Cube root </source>
        <translation> Racine cubique </translation>
    </message>
    <message>
        <source> 1 divided by the number in operand 1 (reciprocal) </source>
        <translation> 1 divisé par le nombre de l&apos;opérande 1 (inverse) </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> Opérande 1 à la puissance opérande 2 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> Changer de signe </translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source> Copy answer </source>
        <translation> Copier le résultat </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> Coller le dernier résultat copié </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>Retour &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> Effacer le dernier caractère du champ choisi ou le résultat </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> Effacer tous les champs et le résultat </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>Décimales du résultat</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; &amp;Effacer</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> Effacer toutes les constantes </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> Reprendre le résultat </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> Coller cette valeur </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>&amp;Masquer le journal</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> Le journal disparaît </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>Effacer le jour&amp;nal</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> Efface le contenu du journal </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> Agrandir le journal </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> Réduire le journal </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--Police utilisée--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--Pour fax &amp; impression--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> Mettre le texte sélectionné et/ou le texte suivant en gras </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> Mettre le texte sélectionné et/ou le texte suivant en italique </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>Police&#xa0;:</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> Choisir une police </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> Choisir une taille de police </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Interligne</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> Choisir l&apos;espacement entre les nouvelles entrées du journal </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>Imprimante/fax par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>Nombre de polices&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>&amp;Imprimer le journal</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>&amp;Arrière-plan du texte</translation>
    </message>
    <message>
        <source>&amp;Workboard</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>&amp;Display Workboard</source>
        <translation>&amp;Afficher le journal</translation>
    </message>
    <message>
        <source>Clear &amp;Workboard</source>
        <translation>&amp;Effacer le journal</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>&amp;Convertisseur</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>Affic&amp;her le journal</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> Le journal disparaît  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> Le journal réapparaît </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>Polices d&apos;écran</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Point décimal</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Additionner</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Soustraire</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Racine cubique</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Changer de signe</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>Effacer les constantes</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>Copier le résultat dans la constante 1</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>Coller la constante 1</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>Constante 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>Copier le résultat dans la constante 2</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>Coller la constante 2</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>Constante 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>Copier le résultat dans la constante 3</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>Coller la constante 3</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>Constante 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>Copier le résultat dans la constante 4</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>Coller la constante 4</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>Constante 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>Copier le résultat dans la constante 5</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>Coller la constante 5</translation>
    </message>
    <message>
        <source>Constant 5</source>
        <translation>Constante 5</translation>
    </message>
    <message>
        <source>Workboard</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Expand workboard</source>
        <translation>Agrandir le journal</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>Réduire le journal</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Feuille de calcul</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>Propriétés de la police</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>Coller un &amp;nombre</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>Utiliser dans l&apos;&amp;opérande</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Rien à coller</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>Pas un nombre unique</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>Hors de la plage de la calculatrice</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>Aucun résultat sur cette ligne</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> Unités SI de base </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandeur</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIPrefixes1</name>
    <message>
        <source> SI Prefixes </source>
        <translation> Préfixes SI </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Facteur</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Puissance de dix</translation>
    </message>
</context>
</TS>
