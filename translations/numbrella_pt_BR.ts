<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>numbrella::CommandLine</name>
    <message>
        <source>Numbrella Calculator: a two-operand calculator with a workboard record and a unit converter.</source>
        <translation>Calculadora Numbrella: uma calculadora de dois operandos com um registro dos cálculos e um conversor de unidades.</translation>
    </message>
    <message>
        <source>A text record to open in the workboard, as File &gt; Open opens it. Only one.</source>
        <translation>Um arquivo de texto para abrir no registro, como faz Arquivo &gt; Abrir. Apenas um.</translation>
    </message>
    <message>
        <source>Shows this help and ends.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Shows the version and ends.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Qt: the windowing system, xcb (X11) or wayland; by default the desktop&apos;s.</source>
        <translation>Qt: o sistema de janelas, xcb (X11) ou wayland; por padrão, o da área de trabalho.</translation>
    </message>
    <message>
        <source>Qt: the X11 display to open, as in :0.</source>
        <translation>Qt: a tela X11 a abrir, como :0.</translation>
    </message>
    <message>
        <source>Qt: the widget style, as in Fusion.</source>
        <translation>Qt: o estilo dos widgets, como Fusion.</translation>
    </message>
    <message>
        <source>Qt: lays the windows out from right to left.</source>
        <translation>Qt: dispõe as janelas da direita para a esquerda.</translation>
    </message>
    <message>
        <source>Try &quot;%1 --help&quot; for the options.</source>
        <translation>Tente “%1 --help” para ver as opções.</translation>
    </message>
    <message>
        <source>numbrella: a window holds one record; not opened: %1</source>
        <extracomment>%1 is the list of files named after the first one, each in quotes.</extracomment>
        <translation>numbrella: uma janela contém um só registro; não abertos: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::DocumentFiles</name>
    <message>
        <source>It is a folder</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>É uma pasta</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;; like the system&apos;s reasons, no full stop.</extracomment>
        <translation>Não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>numbrella::SITexts</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <extracomment>Centred over the text by the blanks before it: keep it about as long.</extracomment>
        <translation>O Sistema Internacional (Métrico) (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Fonte: Departamento de Comércio dos EUA, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>    The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <extracomment>Each paragraph is one line however long; keep its leading blanks.</extracomment>
        <translation>    O Sistema Internacional de Unidades é uma versão modernizada do sistema métrico, estabelecida por acordo internacional, que oferece uma estrutura lógica e interligada para todas as medições na ciência, na indústria e no comércio. O sistema se baseia em sete unidades básicas, das quais todas as outras unidades são derivadas. (O uso de pesos e medidas métricos foi legalizado nos Estados Unidos em 1866, e as unidades de pesos e medidas usuais daquele país são definidas em termos do metro e do quilograma.)</translation>
    </message>
    <message>
        <source>  LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>  COMPRIMENTO - Metro - Até 1983, o metro era definido como 1.650.763,73 comprimentos de onda, no vácuo, da linha laranja-avermelhada do espectro do criptônio-86. Desde então, é igual à distância percorrida pela luz no vácuo em 1/299.792,45 de segundo.</translation>
    </message>
    <message>
        <source>  TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>  TEMPO - Segundo - O segundo é definido como a duração de 9.192.631.770 períodos da radiação correspondente a uma determinada transição do átomo de césio-133.</translation>
    </message>
    <message>
        <source>  MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>  MASSA - Quilograma - O padrão do quilograma é um cilindro de uma liga de platina e irídio guardado pelo Bureau Internacional de Pesos e Medidas, em Paris. Uma cópia no National Bureau of Standards serve de padrão de massa para os Estados Unidos. O quilograma é a única unidade básica ainda definida por um objeto físico.</translation>
    </message>
    <message>
        <source>  TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>  TEMPERATURA - Kelvin - O kelvin é definido como a fração 1/273,16 da temperatura termodinâmica do ponto triplo da água, isto é, o ponto em que a água forma uma interface de sólido, líquido e vapor. Esse ponto corresponde a 0,01 °C na escala centígrada ou Celsius e a 32,02 °F na escala Fahrenheit. A temperatura de 0 °K é chamada de “zero absoluto”.</translation>
    </message>
    <message>
        <source>  ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>  CORRENTE ELÉTRICA - Ampere - O ampere é definido como a corrente que, mantida em dois fios paralelos e longos separados por um metro no espaço livre, produziria entre os dois fios (devido aos seus campos magnéticos) uma força de 2 × 10-7 newton por metro de comprimento. (Um newton é a unidade de força que, aplicada a uma massa de um quilograma, lhe imprime uma aceleração de um metro por segundo por segundo.)</translation>
    </message>
    <message>
        <source>  LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>  INTENSIDADE LUMINOSA - Candela - A candela é definida como a intensidade luminosa de 1/600.000 de metro quadrado de uma cavidade à temperatura de solidificação da platina (2.042 °K).</translation>
    </message>
    <message>
        <source>  AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>  QUANTIDADE DE SUBSTÂNCIA - Mol - O mol é a quantidade de substância de um sistema que contém tantas entidades elementares quantos são os átomos em 0,012 quilograma de carbono-12.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>length</source>
        <translation>comprimento</translation>
    </message>
    <message>
        <source>Kilogram</source>
        <translation>Quilograma</translation>
    </message>
    <message>
        <source>mass</source>
        <translation>massa</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
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
        <translation>corrente elétrica</translation>
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
        <translation>quantidade de substância</translation>
    </message>
    <message>
        <source>Candela</source>
        <translation>Candela</translation>
    </message>
    <message>
        <source>luminous intensity</source>
        <translation>intensidade luminosa</translation>
    </message>
    <message>
        <source>yotta-</source>
        <translation>iota-</translation>
    </message>
    <message>
        <source>zetta-</source>
        <translation>zeta-</translation>
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
        <translation>quilo-</translation>
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
        <translation>ato-</translation>
    </message>
    <message>
        <source>zepto-</source>
        <translation>zepto-</translation>
    </message>
    <message>
        <source>yocto-</source>
        <translation>iocto-</translation>
    </message>
</context>
<context>
    <name>numbrella::UnitCatalogue</name>
    <message>
        <source>Inches</source>
        <translation>Polegadas</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pés</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Jardas</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Milhas</translation>
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
        <translation>Quilômetros</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Polegadas quadradas</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Pés quadrados</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Jardas quadradas</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Milhas quadradas</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Milímetros quadrados</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Centímetros quadrados</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Metros quadrados</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Quilômetros quadrados</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Galões/segundo</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Galões/minuto</translation>
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
        <translation>Horsepower (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Quilowatts</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Megawatts</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Onças(avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Libras(avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Toneladas curtas(avdp-2000#)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramas</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Quilogramas</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagramas</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Milibar</translation>
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
        <translation>Quilopascal</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Pés/segundo</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Pés/minuto</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Milhas/hora</translation>
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
        <translation>Quilômetros/hora</translation>
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
        <translation>Polegadas cúbicas</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Pés cúbicos</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Jardas cúbicas</translation>
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
        <translation>Quartos</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Galões</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litros</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Onça-força/polegada</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Onça-força/pé</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Libra-força/pol.(Libra-pol.)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Libra-força/pé(Libra-pé)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newton-metros</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorias</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Libra-força polegada</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Libra-força pé</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Horsepower-hora</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joules</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Quilowatts-hora</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dinas</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Grama-força</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Quilograma-força</translation>
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
        <translation>Quilonewtons</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Onça-força</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Libra-força</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Chama</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Pés-vela</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Metros-vela</translation>
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
        <translation>A medida de uma região limitada de um plano</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Memória / Capacidade de disco</translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Memória / Capacidade de disco</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. </source>
        <translation> Tamanhos de memória e armazenamento de dispositivos digitais. </translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distância</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>The length of a line between two points</source>
        <translation>O comprimento da linha entre dois pontos</translation>
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
        <translation>A capacidade de realizar trabalho - na física moderna, matéria e energia são consideradas equivalentes</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>Va&amp;zão</translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Vazão</translation>
    </message>
    <message>
        <source>The amount of liquid passing by a fixed point during a prescribed amount of time</source>
        <translation>A quantidade de líquido que passa por um ponto fixo durante um tempo determinado</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Força</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Força</translation>
    </message>
    <message>
        <source>The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object</source>
        <translation>A causa, ou agente, que põe em movimento um objeto em repouso ou altera o movimento de um objeto em movimento</translation>
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
        <translation>O fluxo da radiação luminosa avaliado pela sensibilidade da visão</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>M&amp;assa</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
    <message>
        <source>The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass</source>
        <translation>A quantidade de matéria de um corpo medida pela sua inércia: experimentalmente, verifica-se que a força gravitacional sobre um objeto é proporcional à sua massa</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>&amp;Potência</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>The rate at which work is done</source>
        <translation>A taxa com que o trabalho é realizado</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>Pre&amp;ssão</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
    </message>
    <message>
        <source>Force per unit of area</source>
        <translation>Força por unidade de área</translation>
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
        <translation>Uma medida da energia cinética média por molécula de um corpo</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>T&amp;orque</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis</source>
        <translation>Momento de força (torque) - Uma medida da tendência de uma força de girar em torno de um eixo o corpo sobre o qual atua</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>Velo&amp;cidade</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time</source>
        <translation>Velocidade - A taxa de variação da distância no tempo: é expressa como distância dividida por tempo</translation>
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
        <translation>A quantidade de espaço que um objeto ocupa</translation>
    </message>
</context>
<context>
    <name>numbrella::WindowTexts</name>
    <message>
        <source>  Numbrella Calculator - Untitled</source>
        <extracomment>The window&apos;s title while the workboard has no file; keep the two leading blanks.</extracomment>
        <translation>  Calculadora Numbrella - Sem título</translation>
    </message>
    <message>
        <source>  Numbrella Calculator </source>
        <extracomment>The window&apos;s title before the workboard file&apos;s path; keep the blanks around it.</extracomment>
        <translation>  Calculadora Numbrella </translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Não é possível abrir “%1”.</translation>
    </message>
    <message>
        <source>Cannot save the workboard to &quot;%1&quot;.</source>
        <extracomment>%1 is the file&apos;s path; the reason follows on the next line.</extracomment>
        <translation>Não é possível salvar o registro em “%1”.</translation>
    </message>
    <message>
        <source>The file was not changed.</source>
        <translation>O arquivo não foi alterado.</translation>
    </message>
    <message>
        <source>The workboard could not be printed on &quot;%1&quot;.</source>
        <extracomment>%1 is the printer&apos;s name, or the file printed into.</extracomment>
        <translation>Não foi possível imprimir o registro em “%1”.</translation>
    </message>
    <message>
        <source>Numbrella Calculator</source>
        <translation>Calculadora Numbrella</translation>
    </message>
    <message>
        <source>        You cannot divide by zero!</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>        Não é possível dividir por zero!</translation>
    </message>
    <message>
        <source>This calculator cannot find the square root of a negative number</source>
        <translation>Esta calculadora não calcula a raiz quadrada de um número negativo</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>Número negativo</translation>
    </message>
    <message>
        <source>An error has occurred (possibly an overflow)....<byte value="xd"/>
please continue working.</source>
        <extracomment>Two lines: keep the line break (CR LF) between them.</extracomment>
        <translation>Ocorreu um erro (possivelmente um estouro)....<byte value="xd"/>
continue trabalhando.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>            No printer or fax fonts</source>
        <extracomment>The leading blanks centre the message in its box.</extracomment>
        <translation>            Nenhuma fonte de impressora ou fax</translation>
    </message>
    <message>
        <source>What kind of a font face is that?</source>
        <translation>Que tipo de fonte é essa?</translation>
    </message>
    <message>
        <source>Are you sure you want to copy over the existing value?</source>
        <translation>Tem certeza de que deseja substituir o valor existente?</translation>
    </message>
    <message>
        <source>Are you sure you want to clear all of the constant values?</source>
        <translation>Tem certeza de que deseja limpar todas as constantes?</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Tem certeza?</translation>
    </message>
    <message>
        <source>Would you like to save this document?</source>
        <translation>Deseja salvar este documento?</translation>
    </message>
    <message>
        <source>Do you wish to save your current document?</source>
        <translation>Deseja salvar o documento atual?</translation>
    </message>
    <message>
        <source>Save Your Work?</source>
        <translation>Salvar o trabalho?</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>Não é um arquivo de texto.</translation>
    </message>
    <message>
        <source>It is larger than the workboard holds (64 MB).</source>
        <extracomment>Follows the line &quot;Cannot open &quot;&lt;file&gt;&quot;.&quot;</extracomment>
        <translation>É maior do que o registro comporta (64 MB).</translation>
    </message>
    <message>
        <source>Executed with the....</source>
        <extracomment>The printed footer&apos;s first line; the program&apos;s title follows on the next line.</extracomment>
        <translation>Calculado com a....</translation>
    </message>
    <message>
        <source>Visit...</source>
        <extracomment>The printed footer&apos;s last line, followed at once by the web address.</extracomment>
        <translation>Visite...</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Arquivos de texto(*.txt)|*.txt|Arquivos em lote(*.bat)|*.bat|Arquivos de inicialização(*.ini)|*.ini|Todos os arquivos(*.*)|*.*</translation>
    </message>
    <message>
        <source>The print system does not answer. Please try again in a moment.</source>
        <translation>O sistema de impressão não responde. Tente novamente em instantes.</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed. Two lines: keep the line break (CR LF).</extracomment>
        <translation>A calculadora foi encerrada sem salvar o registro, alterado pela última vez em %1.<byte value="xd"/>
Deseja restaurar o registro não salvo?</translation>
    </message>
    <message>
        <source>The calculator ended without saving its workboard &quot;%2&quot;, last changed %1.<byte value="xd"/>
Would you like to restore the unsaved workboard?</source>
        <extracomment>%1 is when the workboard last changed, %2 the workboard&apos;s file. Two lines: keep the line break (CR LF).</extracomment>
        <translation>A calculadora foi encerrada sem salvar o registro “%2”, alterado pela última vez em %1.<byte value="xd"/>
Deseja restaurar o registro não salvo?</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; of an unsaved workboard cannot be read. It was kept as &quot;%2&quot;.</source>
        <extracomment>%1 is the copy&apos;s path, %2 where it was moved.</extracomment>
        <translation>Não é possível ler a cópia de recuperação “%1” de um registro não salvo. Ela foi guardada como “%2”.</translation>
    </message>
    <message>
        <source>Restore Your Work?</source>
        <translation>Restaurar o trabalho?</translation>
    </message>
</context>
<context>
    <name>numbrella::app::RealDialogs</name>
    <message>
        <source>Printing is not available: %1</source>
        <extracomment>%1 is the system&apos;s reason, in English: the printing module&apos;s file and why it did not load.</extracomment>
        <translation>A impressão não está disponível: %1</translation>
    </message>
</context>
<context>
    <name>numbrella::frmInfo1</name>
    <message>
        <source> SI Info </source>
        <translation> Informações do SI </translation>
    </message>
</context>
<context>
    <name>numbrella::frmListBoxConverter</name>
    <message>
        <source>Reverse conversion</source>
        <translation>Inverter conversão</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Digite o valor aqui</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>O resultado aparece aqui</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Selecione o número de casas decimais</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Clique aqui para inverter a conversão</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Saída:</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Casas decimais</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Trocar</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Trocar as unidades selecionadas</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Copiar o resultado para a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>&amp;Trocar unidades selecionadas</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informações</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>O sistema S&amp;I</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>Unidades &amp;básicas do SI</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>&amp;Prefixos do SI</translation>
    </message>
    <message>
        <source>Convert:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>Released to<byte value="xd"/>
Zederu Dizira</source>
        <extracomment>Two lines: keep the line break (CR LF); the name on the second line stays as it is.</extracomment>
        <translation>Licenciado para<byte value="xd"/>
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
        <translation> Somar </translation>
    </message>
    <message>
        <source> Subtract </source>
        <translation> Subtrair </translation>
    </message>
    <message>
        <source> Square root </source>
        <translation> Raiz quadrada </translation>
    </message>
    <message>
        <source> Cube root </source>
        <translation> Raiz cúbica </translation>
    </message>
    <message>
        <source> 1 divided by the number in operand 1 (reciprocal) </source>
        <translation> 1 dividido pelo número do operando 1 (inverso) </translation>
    </message>
    <message>
        <source> Operand 1 to the power of operand 2 </source>
        <translation> Operando 1 elevado ao operando 2 </translation>
    </message>
    <message>
        <source> Change sign </source>
        <translation> Inverter sinal </translation>
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
        <translation> Copiar resultado </translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source> Paste last copied answer </source>
        <translation> Colar o último resultado copiado </translation>
    </message>
    <message>
        <source>Back &amp;&amp; CA</source>
        <translation>Voltar &amp;&amp; CA</translation>
    </message>
    <message>
        <source> Backspace in selected field or clear answer </source>
        <translation> Apagar um caractere no campo selecionado ou limpar o resultado </translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source> Clear all fields and answer </source>
        <translation> Limpar todos os campos e o resultado </translation>
    </message>
    <message>
        <source>Decimal Places In Answer</source>
        <translation>Casas decimais no resultado</translation>
    </message>
    <message>
        <source>Constants</source>
        <translation>Constantes</translation>
    </message>
    <message>
        <source>&lt; C&amp;lear</source>
        <translation>&lt; &amp;Limpar</translation>
    </message>
    <message>
        <source> Clear all constants </source>
        <translation> Limpar todas as constantes </translation>
    </message>
    <message>
        <source> Copy your answer </source>
        <translation> Copiar o resultado </translation>
    </message>
    <message>
        <source> Paste this value </source>
        <translation> Colar este valor </translation>
    </message>
    <message>
        <source>&amp;Hide Workboard</source>
        <translation>&amp;Ocultar registro</translation>
    </message>
    <message>
        <source> Workboard disappears </source>
        <translation> O registro desaparece </translation>
    </message>
    <message>
        <source>Cle&amp;ar Workboard</source>
        <translation>Lim&amp;par registro</translation>
    </message>
    <message>
        <source> Clears the contents of the workboard </source>
        <translation> Limpa o conteúdo do registro </translation>
    </message>
    <message>
        <source> Expand workboard </source>
        <translation> Ampliar o registro </translation>
    </message>
    <message>
        <source> Collapse workboard </source>
        <translation> Reduzir o registro </translation>
    </message>
    <message>
        <source>--Font Properties Used--</source>
        <translation>--Fonte utilizada--</translation>
    </message>
    <message>
        <source>--For Faxing &amp; Printing--</source>
        <translation>--Para fax &amp; impressão--</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrito</translation>
    </message>
    <message>
        <source> Make selected text bold and/or subsequent text bold </source>
        <translation> Aplicar negrito ao texto selecionado e/ou ao texto seguinte </translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Itálico</translation>
    </message>
    <message>
        <source> Make selected text italic and/or subsequent text italic </source>
        <translation> Aplicar itálico ao texto selecionado e/ou ao texto seguinte </translation>
    </message>
    <message>
        <source>Font face:</source>
        <translation>Fonte:</translation>
    </message>
    <message>
        <source> Select a font face </source>
        <translation> Selecione uma fonte </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source> Select a font size </source>
        <translation> Selecione o tamanho da fonte </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source> Select the spacing between each new entry on the whiteboard </source>
        <translation> Selecione o espaçamento entre as novas entradas do registro </translation>
    </message>
    <message>
        <source>Default printer/fax program:</source>
        <translation>Impressora/fax padrão:</translation>
    </message>
    <message>
        <source>Font count:</source>
        <translation>Número de fontes:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>S&amp;ave</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Save As</source>
        <translation>Salvar &amp;como</translation>
    </message>
    <message>
        <source>&amp;Print Workboard</source>
        <translation>&amp;Imprimir registro</translation>
    </message>
    <message>
        <source>E&amp;Xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Text &amp;Background</source>
        <translation>&amp;Cor de fundo do texto</translation>
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
        <translation>&amp;Limpar registro</translation>
    </message>
    <message>
        <source>&amp;Conversion Calculator</source>
        <translation>&amp;Conversor de unidades</translation>
    </message>
    <message>
        <source>Show W&amp;orkboard</source>
        <translation>&amp;Mostrar registro</translation>
    </message>
    <message>
        <source> Workboard disappears  </source>
        <translation> O registro desaparece  </translation>
    </message>
    <message>
        <source> Workboard reappears </source>
        <translation> O registro reaparece </translation>
    </message>
    <message>
        <source>Screen Fonts</source>
        <translation>Fontes de tela</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separador decimal</translation>
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
        <translation>Somar</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrair</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Raiz quadrada</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Raiz cúbica</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverso</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Inverter sinal</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Clear constants</source>
        <translation>Limpar constantes</translation>
    </message>
    <message>
        <source>Copy answer to constant 1</source>
        <extracomment>What a screen reader says for the button; the answer is the calculator&apos;s result.</extracomment>
        <translation>Copiar o resultado para a constante 1</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>Colar a constante 1</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>Constante 1</translation>
    </message>
    <message>
        <source>Copy answer to constant 2</source>
        <translation>Copiar o resultado para a constante 2</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>Colar a constante 2</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>Constante 2</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>Copiar o resultado para a constante 3</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>Colar a constante 3</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>Constante 3</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>Copiar o resultado para a constante 4</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>Colar a constante 4</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>Constante 4</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>Copiar o resultado para a constante 5</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>Colar a constante 5</translation>
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
        <translation>Ampliar o registro</translation>
    </message>
    <message>
        <source>Collapse workboard</source>
        <translation>Reduzir o registro</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Área de cálculo</translation>
    </message>
    <message>
        <source>Font properties</source>
        <translation>Propriedades da fonte</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>Paste &amp;Number</source>
        <translation>Colar &amp;número</translation>
    </message>
    <message>
        <source>&amp;Use in Operand</source>
        <translation>&amp;Usar no operando</translation>
    </message>
    <message>
        <source>Nothing to paste</source>
        <translation>Nada para colar</translation>
    </message>
    <message>
        <source>Not one number</source>
        <translation>Não é um único número</translation>
    </message>
    <message>
        <source>Beyond the calculator&apos;s range</source>
        <translation>Fora do intervalo da calculadora</translation>
    </message>
    <message>
        <source>No answer on this line</source>
        <translation>Nenhum resultado nesta linha</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIBaseUnits1</name>
    <message>
        <source> SI Base Units </source>
        <translation> Unidades básicas do SI </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandeza</translation>
    </message>
</context>
<context>
    <name>numbrella::frmSIPrefixes1</name>
    <message>
        <source> SI Prefixes </source>
        <translation> Prefixos do SI </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Fator</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Notação científica</translation>
    </message>
</context>
</TS>
