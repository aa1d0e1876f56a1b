<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
    <message>
        <source>Multiplying Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Zehnerpotenz</translation>
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
        <source>Copy answer to constant 2</source>
        <translation>Ergebnis in Konstante 2 kopieren</translation>
    </message>
    <message>
        <source>Copy answer to constant 3</source>
        <translation>Ergebnis in Konstante 3 kopieren</translation>
    </message>
    <message>
        <source>Copy answer to constant 4</source>
        <translation>Ergebnis in Konstante 4 kopieren</translation>
    </message>
    <message>
        <source>Copy answer to constant 5</source>
        <translation>Ergebnis in Konstante 5 kopieren</translation>
    </message>
    <message>
        <source>Paste constant 1</source>
        <translation>Konstante 1 einfügen</translation>
    </message>
    <message>
        <source>Paste constant 2</source>
        <translation>Konstante 2 einfügen</translation>
    </message>
    <message>
        <source>Paste constant 3</source>
        <translation>Konstante 3 einfügen</translation>
    </message>
    <message>
        <source>Paste constant 4</source>
        <translation>Konstante 4 einfügen</translation>
    </message>
    <message>
        <source>Paste constant 5</source>
        <translation>Konstante 5 einfügen</translation>
    </message>
    <message>
        <source>Constant 1</source>
        <translation>Konstante 1</translation>
    </message>
    <message>
        <source>Constant 2</source>
        <translation>Konstante 2</translation>
    </message>
    <message>
        <source>Constant 3</source>
        <translation>Konstante 3</translation>
    </message>
    <message>
        <source>Constant 4</source>
        <translation>Konstante 4</translation>
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
        <source>Text Files(*.txt)|*.txt|Batch Files(*.bat)|*.bat|Initialization Files(*.ini)|*.ini|All Files(*.*)|*.*</source>
        <extracomment>Pairs of a file type&apos;s name and its pattern, all joined by &quot;|&quot;: translate the names only and keep every &quot;|&quot; and pattern.</extracomment>
        <translation>Textdateien(*.txt)|*.txt|Batchdateien(*.bat)|*.bat|Initialisierungsdateien(*.ini)|*.ini|Alle Dateien(*.*)|*.*</translation>
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
        <translation>Eingabe:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgabe:</translation>
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
</context>
</TS>
