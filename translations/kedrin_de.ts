<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ArrangeMenu</name>
    <message>
        <source>Align &amp;Left</source>
        <translation>&amp;Links ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Centre</source>
        <translation>&amp;Zentriert ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Right</source>
        <translation>&amp;Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Top</source>
        <translation>&amp;Oben ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Middle</source>
        <translation>&amp;Mittig ausrichten</translation>
    </message>
    <message>
        <source>Align &amp;Bottom</source>
        <translation>&amp;Unten ausrichten</translation>
    </message>
    <message>
        <source>Distribute &amp;Horizontally</source>
        <translation>&amp;Horizontal verteilen</translation>
    </message>
    <message>
        <source>Distribute &amp;Vertically</source>
        <translation>&amp;Vertikal verteilen</translation>
    </message>
    <message>
        <source>Make Same &amp;Width</source>
        <translation>Gleiche &amp;Breite</translation>
    </message>
    <message>
        <source>Make Same H&amp;eight</source>
        <translation>Gleiche Höh&amp;e</translation>
    </message>
    <message>
        <source>Make Same Si&amp;ze</source>
        <translation>Gleiche &amp;Größe</translation>
    </message>
</context>
<context>
    <name>AutosaveLink</name>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Ei&amp;nstellungen...</translation>
    </message>
</context>
<context>
    <name>AutosaveManager</name>
    <message>
        <source>Recovery copies cannot be written (%1); unsaved work is not protected against a crash.</source>
        <translation>Wiederherstellungskopien können nicht geschrieben werden (%1); ungespeicherte Arbeit ist bei einem Absturz nicht geschützt.</translation>
    </message>
</context>
<context>
    <name>AutosavePreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Keep recovery copies of diagrams with unsaved changes</source>
        <translation>&amp;Wiederherstellungskopien von Diagrammen mit ungespeicherten Änderungen anlegen</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>&amp;Copy a change after:</source>
        <translation>Änderungen &amp;sichern nach:</translation>
    </message>
</context>
<context>
    <name>ChartMessageWords</name>
    <message>
        <source>a process box</source>
        <translation>ein Prozesskasten</translation>
    </message>
    <message>
        <source>a start mark</source>
        <translation>eine Startmarke</translation>
    </message>
    <message>
        <source>an end mark</source>
        <translation>eine Endmarke</translation>
    </message>
    <message>
        <source>a decision</source>
        <translation>eine Entscheidung</translation>
    </message>
    <message>
        <source>an ellipse</source>
        <translation>eine Ellipse</translation>
    </message>
    <message>
        <source>a rectangle</source>
        <translation>ein Rechteck</translation>
    </message>
    <message>
        <source>the end of the text</source>
        <translation>das Ende des Texts</translation>
    </message>
    <message>
        <source>a line break</source>
        <translation>ein Zeilenumbruch</translation>
    </message>
    <message>
        <source>a blank</source>
        <translation>ein Leerzeichen</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>eine Verbindung</translation>
    </message>
    <message>
        <source>a link&apos;s id</source>
        <translation>die ID einer Verbindung</translation>
    </message>
    <message>
        <source>&apos;graph&apos; or &apos;flowchart&apos;</source>
        <translation>„graph“ oder „flowchart“</translation>
    </message>
    <message>
        <source>a quoted text</source>
        <translation>ein Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>ChartMessages</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>the text holds no flowchart: expected &apos;flowchart&apos; or &apos;graph&apos;</source>
        <translation>der Text enthält kein Flussdiagramm: „flowchart“ oder „graph“ erwartet</translation>
    </message>
    <message>
        <source>expected &apos;flowchart&apos; or &apos;graph&apos;, found &apos;%1&apos;</source>
        <translation>„flowchart“ oder „graph“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a direction (TB, TD, BT, LR, RL) or the end of the line, found %1</source>
        <translation>eine Richtung (TB, TD, BT, LR, RL) oder das Zeilenende erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected the end of the line after the direction, found %1</source>
        <translation>das Zeilenende nach der Richtung erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>unknown direction &apos;%1&apos; (TB, TD, BT, LR, RL, &gt;, &lt;, ^ or v)</source>
        <translation>unbekannte Richtung „%1“ (TB, TD, BT, LR, RL, &gt;, &lt;, ^ oder v)</translation>
    </message>
    <message>
        <source>unexpected &apos;%1&apos;</source>
        <translation>unerwartetes „%1“</translation>
    </message>
    <message>
        <source>&apos;&quot;&apos; is not closed</source>
        <translation>„&quot;“ ist nicht geschlossen</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not closed</source>
        <translation>„%1“ ist nicht geschlossen</translation>
    </message>
    <message>
        <source>expected the text of &apos;%1&apos;, found %2</source>
        <translation>den Text von „%1“ erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>expected the end of &apos;%1&apos;, found %2</source>
        <translation>das Ende von „%1“ erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>&apos;end&apos; without a subgraph</source>
        <translation>„end“ ohne Subgraph</translation>
    </message>
    <message>
        <source>The subgraph %1 on line %2 is not closed with &apos;end&apos;: it is closed at the end of the text.</source>
        <translation>Der Subgraph %1 in Zeile %2 ist nicht mit „end“ geschlossen: er wird am Ende des Texts geschlossen.</translation>
    </message>
    <message>
        <source>expected a link, &apos;&amp;&apos; or the end of the statement, found %1</source>
        <translation>eine Verbindung, „&amp;“ oder das Ende der Anweisung erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a node, found %1</source>
        <translation>einen Knoten erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a node after &apos;&amp;&apos;, found %1</source>
        <translation>einen Knoten nach „&amp;“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a node after the link, found %1</source>
        <translation>einen Knoten nach der Verbindung erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a class name after &apos;:::&apos;, found %1</source>
        <translation>einen Klassennamen nach „:::“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a link, found %1</source>
        <translation>eine Verbindung erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>the link&apos;s text is not followed by &apos;==&gt;&apos; or &apos;===&apos;</source>
        <translation>auf den Text der Verbindung folgt weder „==&gt;“ noch „===“</translation>
    </message>
    <message>
        <source>the link&apos;s text is not followed by &apos;.-&gt;&apos; or &apos;.-&apos;</source>
        <translation>auf den Text der Verbindung folgt weder „.-&gt;“ noch „.-“</translation>
    </message>
    <message>
        <source>the link&apos;s text is not followed by &apos;--&gt;&apos; or &apos;---&apos;</source>
        <translation>auf den Text der Verbindung folgt weder „--&gt;“ noch „---“</translation>
    </message>
    <message>
        <source>expected a property name after &apos;[|&apos;, found %1</source>
        <translation>einen Eigenschaftsnamen nach „[|“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected &apos;:&apos; after the property name, found %1</source>
        <translation>„:“ nach dem Eigenschaftsnamen erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a property value, found %1</source>
        <translation>einen Eigenschaftswert erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected &apos;|&apos; after the property, found %1</source>
        <translation>„|“ nach der Eigenschaft erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a node id after &apos;style&apos;, found %1</source>
        <translation>eine Knoten-ID nach „style“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected styles after the node id, found %1</source>
        <translation>Stile nach der Knoten-ID erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a class name after &apos;classDef&apos;, found %1</source>
        <translation>einen Klassennamen nach „classDef“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected styles after the class name, found %1</source>
        <translation>Stile nach dem Klassennamen erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a node id after &apos;class&apos;, found %1</source>
        <translation>eine Knoten-ID nach „class“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a class name after the node ids, found %1</source>
        <translation>einen Klassennamen nach den Knoten-IDs erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a link number after &apos;linkStyle&apos;, found %1</source>
        <translation>eine Verbindungsnummer nach „linkStyle“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a link number or &apos;default&apos; after &apos;linkStyle&apos;, found %1</source>
        <translation>eine Verbindungsnummer oder „default“ nach „linkStyle“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected styles after the link numbers, found %1</source>
        <translation>Stile nach den Verbindungsnummern erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected a curve after &apos;interpolate&apos;, found %1</source>
        <translation>eine Kurve nach „interpolate“ erwartet, %1 gefunden</translation>
    </message>
    <message>
        <source>expected styles after the node id</source>
        <translation>Stile nach der Knoten-ID erwartet</translation>
    </message>
    <message>
        <source>expected styles after the class name</source>
        <translation>Stile nach dem Klassennamen erwartet</translation>
    </message>
    <message>
        <source>expected styles after the link numbers</source>
        <translation>Stile nach den Verbindungsnummern erwartet</translation>
    </message>
    <message>
        <source>the flowchart holds no node to draw</source>
        <translation>das Flussdiagramm enthält keinen Knoten zum Zeichnen</translation>
    </message>
    <message>
        <source>the front matter is not closed with &apos;---&apos;</source>
        <translation>der Vorspann ist nicht mit „---“ geschlossen</translation>
    </message>
    <message>
        <source>the data of %1 is not understood: &apos;%2&apos; is not a key: value pair</source>
        <translation>die Daten von %1 sind unverständlich: „%2“ ist kein Paar Schlüssel: Wert</translation>
    </message>
    <message>
        <source>no such shape: %1</source>
        <translation>keine solche Form: %1</translation>
    </message>
    <message>
        <source>no such shape: %1 (shape names are lower case, without &apos;_&apos;)</source>
        <translation>keine solche Form: %1 (Formnamen sind klein geschrieben, ohne „_“)</translation>
    </message>
    <message>
        <source>the front matter (title and configuration) is skipped</source>
        <translation>der Vorspann (Titel und Konfiguration) wird übersprungen</translation>
    </message>
    <message>
        <source>the directive &apos;%%{...}%%&apos; (configuration) is skipped</source>
        <translation>die Direktive „%%{...}%%“ (Konfiguration) wird übersprungen</translation>
    </message>
    <message>
        <source>&apos;direction&apos; is skipped</source>
        <translation>„direction“ wird übersprungen</translation>
    </message>
    <message>
        <source>the accessible title (&apos;accTitle&apos;) is skipped</source>
        <translation>der barrierefreie Titel („accTitle“) wird übersprungen</translation>
    </message>
    <message>
        <source>the accessible description (&apos;accDescr&apos;) is skipped</source>
        <translation>die barrierefreie Beschreibung („accDescr“) wird übersprungen</translation>
    </message>
    <message>
        <source>&apos;click&apos; is skipped</source>
        <translation>„click“ wird übersprungen</translation>
    </message>
    <message>
        <source>the curve of links (&apos;interpolate&apos;) is not drawn</source>
        <translation>die Kurve der Verbindungen („interpolate“) wird nicht gezeichnet</translation>
    </message>
    <message>
        <source>the curve of the link %1 is not drawn</source>
        <translation>die Kurve der Verbindung %1 wird nicht gezeichnet</translation>
    </message>
    <message>
        <source>the animation of the link %1 is not drawn</source>
        <translation>die Animation der Verbindung %1 wird nicht gezeichnet</translation>
    </message>
    <message>
        <source>linkStyle names link %1, but there are only %2</source>
        <translation>linkStyle nennt die Verbindung %1, es gibt aber nur %2</translation>
    </message>
    <message>
        <source>the direction %1 is drawn top to bottom</source>
        <translation>die Richtung %1 wird von oben nach unten gezeichnet</translation>
    </message>
    <message>
        <source>the style %1 is not a property: value pair</source>
        <translation>der Stil %1 ist kein Paar Eigenschaft: Wert</translation>
    </message>
    <message>
        <source>the colour %1 is not understood</source>
        <translation>die Farbe %1 ist unverständlich</translation>
    </message>
    <message>
        <source>the stroke width %1 is not understood</source>
        <translation>die Linienbreite %1 ist unverständlich</translation>
    </message>
    <message>
        <source>the colour in %1 is not understood</source>
        <translation>die Farbe in %1 ist unverständlich</translation>
    </message>
    <message>
        <source>the title of the subgraph %1 is longer than 10,000 characters: cut</source>
        <translation>der Titel des Subgraphen %1 ist länger als 10.000 Zeichen: gekürzt</translation>
    </message>
    <message>
        <source>the id %1 is longer than 10,000 characters: cut</source>
        <translation>die ID %1 ist länger als 10.000 Zeichen: gekürzt</translation>
    </message>
    <message>
        <source>the text of %1 is longer than 10,000 characters: cut</source>
        <translation>der Text von %1 ist länger als 10.000 Zeichen: gekürzt</translation>
    </message>
    <message>
        <source>the icon %1 of %2 is left out</source>
        <translation>das Symbol %1 von %2 wird weggelassen</translation>
    </message>
    <message>
        <source>bold and italic in a part of the text of %1 are shown plain</source>
        <translation>fett und kursiv in einem Teil des Texts von %1 werden normal gezeigt</translation>
    </message>
    <message>
        <source>%1 is %2, drawn as %3</source>
        <translation>%1 hat die Form %2 und wird als %3 gezeichnet</translation>
    </message>
    <message>
        <source>the borders %1 of %2 are drawn all round</source>
        <translation>die Ränder %1 von %2 werden ringsum gezeichnet</translation>
    </message>
    <message>
        <source>the image of %1 is left out</source>
        <translation>das Bild von %1 wird weggelassen</translation>
    </message>
    <message>
        <source>an invisible link (&apos;~~~&apos;) is skipped</source>
        <translation>eine unsichtbare Verbindung („~~~“) wird übersprungen</translation>
    </message>
    <message>
        <source>a link of %1 is skipped: %1 is a link&apos;s id</source>
        <translation>eine Verbindung von %1 wird übersprungen: %1 ist die ID einer Verbindung</translation>
    </message>
    <message>
        <source>A link on line %1 to or from a subgraph without nodes is skipped.</source>
        <translation>Eine Verbindung in Zeile %1 zu oder von einem Subgraphen ohne Knoten wird übersprungen.</translation>
    </message>
    <message>
        <source>the icon %1 of a link&apos;s text is left out</source>
        <translation>das Symbol %1 im Text einer Verbindung wird weggelassen</translation>
    </message>
    <message>
        <source>bold and italic in a part of a link&apos;s text are shown plain</source>
        <translation>fett und kursiv in einem Teil des Texts einer Verbindung werden normal gezeigt</translation>
    </message>
    <message>
        <source>a link&apos;s text is longer than 10,000 characters: cut</source>
        <translation>der Text einer Verbindung ist länger als 10.000 Zeichen: gekürzt</translation>
    </message>
    <message>
        <source>circle and cross ends of links are drawn as arrow heads</source>
        <translation>Kreis- und Kreuzenden von Verbindungen werden als Pfeilspitzen gezeichnet</translation>
    </message>
    <message>
        <source>a mark at the start of a link without one at its end is left out</source>
        <translation>eine Markierung am Anfang einer Verbindung ohne eine an ihrem Ende wird weggelassen</translation>
    </message>
    <message>
        <source>the two halves of a link with a text differ: drawn as a plain arrow</source>
        <translation>die beiden Hälften einer Verbindung mit Text unterscheiden sich: als einfacher Pfeil gezeichnet</translation>
    </message>
    <message>
        <source>the text holds no DOT graph</source>
        <translation>der Text enthält keinen DOT-Graphen</translation>
    </message>
    <message>
        <source>what follows the first graph is not all DOT: %1</source>
        <translation>was auf den ersten Graphen folgt, ist nicht alles DOT: %1</translation>
    </message>
    <message>
        <source>the text holds %1 graphs: only the first is read</source>
        <translation>der Text enthält %1 Graphen: nur der erste wird gelesen</translation>
    </message>
    <message>
        <source>the graph %1 holds no node to draw</source>
        <translation>der Graph %1 enthält keinen Knoten zum Zeichnen</translation>
    </message>
    <message>
        <source>the graph holds no node to draw</source>
        <translation>der Graph enthält keinen Knoten zum Zeichnen</translation>
    </message>
    <message>
        <source>nodes of shape %1 (the first is &apos;%2&apos;) are drawn as process boxes</source>
        <translation>Knoten der Form %1 (der erste ist „%2“) werden als Prozesskästen gezeichnet</translation>
    </message>
    <message>
        <source>the ports of the record %1 are ignored: its fields are lines</source>
        <translation>die Ports des Datensatzes %1 werden ignoriert: seine Felder sind Zeilen</translation>
    </message>
    <message>
        <source>the text of the edge %1 is longer than 10,000 characters: cut</source>
        <translation>der Text der Kante %1 ist länger als 10.000 Zeichen: gekürzt</translation>
    </message>
    <message>
        <source>the title of the cluster %1 is longer than 10,000 characters: cut</source>
        <translation>der Titel des Clusters %1 ist länger als 10.000 Zeichen: gekürzt</translation>
    </message>
</context>
<context>
    <name>ColourBar</name>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>No fill</source>
        <translation>Keine Füllung</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Weitere...</translation>
    </message>
    <message>
        <source>Another fill colour; Shift+click: another line colour</source>
        <translation>Andere Füllfarbe; Umschalt+Klick: andere Linienfarbe</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>Dunkelrot</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Yellow Green</source>
        <translation>Gelbgrün</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Sky Blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Dunkelblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Light Orange</source>
        <translation>Hellorange</translation>
    </message>
    <message>
        <source>Light Yellow</source>
        <translation>Hellgelb</translation>
    </message>
    <message>
        <source>Light Green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Hellblau</translation>
    </message>
    <message>
        <source>Light Red</source>
        <translation>Hellrot</translation>
    </message>
    <message>
        <source>Light Grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>Light Purple</source>
        <translation>Helllila</translation>
    </message>
    <message>
        <source>Light Teal</source>
        <translation>Helles Blaugrün</translation>
    </message>
</context>
<context>
    <name>ConnectorActions</name>
    <message>
        <source>&amp;Keep Connectors and Labels Attached</source>
        <translation>Verbinder und Beschriftungen &amp;mitführen</translation>
    </message>
    <message>
        <source>Line &amp;Jumps</source>
        <translation>Linien&amp;sprünge</translation>
    </message>
    <message>
        <source>Where two connectors cross, let the upper one hop over the other</source>
        <translation>Wo sich zwei Verbinder kreuzen, springt der obere über den anderen</translation>
    </message>
</context>
<context>
    <name>ConnectorFeatures</name>
    <message>
        <source>Connector &amp;Style</source>
        <translation>Verbinder&amp;art</translation>
    </message>
    <message>
        <source>&amp;Elbow</source>
        <translation>&amp;Rechtwinklig</translation>
    </message>
    <message>
        <source>&amp;Straight</source>
        <translation>&amp;Gerade</translation>
    </message>
    <message>
        <source>Draw the selected connectors between two shapes again, %1</source>
        <translation>Die ausgewählten Verbinder zwischen zwei Formen neu zeichnen, %1</translation>
    </message>
    <message>
        <source>at right angles</source>
        <translation>rechtwinklig</translation>
    </message>
    <message>
        <source>as one straight arrow</source>
        <translation>als ein gerader Pfeil</translation>
    </message>
    <message>
        <source>Select connectors that join two shapes</source>
        <translation>Wählen Sie Verbinder aus, die zwei Formen verbinden</translation>
    </message>
</context>
<context>
    <name>ConnectorTool</name>
    <message>
        <source>Connector</source>
        <translation>Verbinder</translation>
    </message>
</context>
<context>
    <name>ContainerCommands</name>
    <message>
        <source>Insert Container</source>
        <translation>Container einfügen</translation>
    </message>
    <message>
        <source>Lane %1</source>
        <translation>Bahn %1</translation>
    </message>
    <message>
        <source>Insert Swimlanes</source>
        <translation>Bahnen einfügen</translation>
    </message>
    <message>
        <source>Remove Container</source>
        <translation>Container entfernen</translation>
    </message>
    <message>
        <source>Add Lane</source>
        <translation>Bahn hinzufügen</translation>
    </message>
    <message>
        <source>Remove Lane</source>
        <translation>Bahn entfernen</translation>
    </message>
    <message>
        <source>Move Lane Up</source>
        <translation>Bahn nach oben</translation>
    </message>
    <message>
        <source>Move Lane Left</source>
        <translation>Bahn nach links</translation>
    </message>
    <message>
        <source>Move Lane Down</source>
        <translation>Bahn nach unten</translation>
    </message>
    <message>
        <source>Move Lane Right</source>
        <translation>Bahn nach rechts</translation>
    </message>
</context>
<context>
    <name>ContainerFeatures</name>
    <message>
        <source>&amp;Container</source>
        <translation>&amp;Container</translation>
    </message>
    <message>
        <source>Put a titled container around the selection</source>
        <translation>Einen Container mit Titel um die Auswahl legen</translation>
    </message>
    <message>
        <source>&amp;Swimlanes...</source>
        <translation>&amp;Bahnen...</translation>
    </message>
    <message>
        <source>Put a pool of lanes, one for each actor, in the middle of the view</source>
        <translation>Eine Gruppe von Bahnen, eine je Beteiligtem, in die Mitte der Ansicht legen</translation>
    </message>
    <message>
        <source>Remove Conta&amp;iner</source>
        <translation>Container ent&amp;fernen</translation>
    </message>
    <message>
        <source>Take the container&apos;s rectangle and title away and keep what it holds</source>
        <translation>Rechteck und Titel des Containers entfernen und seinen Inhalt behalten</translation>
    </message>
    <message>
        <source>Select a container</source>
        <translation>Wählen Sie einen Container aus</translation>
    </message>
    <message>
        <source>La&amp;nes</source>
        <translation>Bah&amp;nen</translation>
    </message>
    <message>
        <source>&amp;Add Lane</source>
        <translation>Bahn &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Lane</source>
        <translation>Bahn ent&amp;fernen</translation>
    </message>
    <message>
        <source>Move Lane &amp;Up</source>
        <translation>Bahn nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Lane &amp;Down</source>
        <translation>Bahn nach &amp;unten</translation>
    </message>
    <message>
        <source>Change the pool of the lane that is selected or holds the selection</source>
        <translation>Die Bahnen der ausgewählten Bahn oder der Bahn mit der Auswahl ändern</translation>
    </message>
    <message>
        <source>Select a lane or a step in one</source>
        <translation>Wählen Sie eine Bahn oder einen Schritt darin aus</translation>
    </message>
    <message>
        <source>Move Lane &amp;Left</source>
        <translation>Bahn nach &amp;links</translation>
    </message>
    <message>
        <source>Move Lane &amp;Right</source>
        <translation>Bahn nach &amp;rechts</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>ExportFormat</name>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG picture (*.jpg *.jpeg)</source>
        <translation>JPEG-Bild (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Mermaid flowchart (*.mmd)</source>
        <translation>Mermaid-Flussdiagramm (*.mmd)</translation>
    </message>
    <message>
        <source>Graphviz DOT graph (*.gv *.dot)</source>
        <translation>Graphviz-DOT-Graph (*.gv *.dot)</translation>
    </message>
    <message>
        <source>draw.io diagram (*.drawio)</source>
        <translation>draw.io-Diagramm (*.drawio)</translation>
    </message>
</context>
<context>
    <name>ExportPicture</name>
    <message>
        <source>The scale must be from %1 % to %2 %</source>
        <translation>Die Skalierung muss zwischen %1 % und %2 % liegen</translation>
    </message>
    <message>
        <source>The margin must be 0 or more</source>
        <translation>Der Rand muss 0 oder größer sein</translation>
    </message>
    <message>
        <source>There is no selected figure to export</source>
        <translation>Es ist keine Figur zum Exportieren ausgewählt</translation>
    </message>
</context>
<context>
    <name>FindCommands</name>
    <message>
        <source>Passed the start of the diagram; continued from the end</source>
        <translation>Anfang des Diagramms überschritten; am Ende fortgesetzt</translation>
    </message>
    <message>
        <source>Passed the end of the diagram; continued from the start</source>
        <translation>Ende des Diagramms überschritten; am Anfang fortgesetzt</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace All (%1)</source>
        <translation>Alle ersetzen (%1)</translation>
    </message>
    <message>
        <source>Replaced 1 match</source>
        <translation>1 Fundstelle ersetzt</translation>
    </message>
    <message>
        <source>Replaced %1 matches</source>
        <translation>%1 Fundstellen ersetzt</translation>
    </message>
    <message>
        <source>No matches for &quot;%1&quot;</source>
        <translation>Keine Fundstellen für „%1“</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Suc&amp;hen...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>Erset&amp;zen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Weitersu&amp;chen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rückwärts s&amp;uchen</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>Nur ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Wei&amp;tersuchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Erset&amp;zen</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>&amp;Alle ersetzen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>GraphFeatures</name>
    <message>
        <source>Import Mermaid Flowchart</source>
        <translation>Mermaid-Flussdiagramm importieren</translation>
    </message>
    <message>
        <source>Import Graphviz DOT Graph</source>
        <translation>Graphviz-DOT-Graph importieren</translation>
    </message>
    <message>
        <source>Mermaid flowchart (*.mmd *.mermaid);;All files (*)</source>
        <translation>Mermaid-Flussdiagramm (*.mmd *.mermaid);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Graphviz DOT graph (*.gv *.dot);;All files (*)</source>
        <translation>Graphviz-DOT-Graph (*.gv *.dot);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Mermaid Flowchart...</source>
        <translation>&amp;Mermaid-Flussdiagramm...</translation>
    </message>
    <message>
        <source>Graphviz &amp;DOT...</source>
        <translation>Graphviz-&amp;DOT...</translation>
    </message>
    <message>
        <source>&amp;Top to Bottom</source>
        <translation>Von &amp;oben nach unten</translation>
    </message>
    <message>
        <source>&amp;Left to Right</source>
        <translation>Von &amp;links nach rechts</translation>
    </message>
    <message>
        <source>Auto Layout</source>
        <translation>Auto-Layout</translation>
    </message>
    <message>
        <source>&amp;Elbow Connectors</source>
        <translation>&amp;Rechtwinklige Verbinder</translation>
    </message>
    <message>
        <source>&amp;Straight Connectors</source>
        <translation>&amp;Gerade Verbinder</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>A&amp;uto Layout</source>
        <translation>Auto-La&amp;yout</translation>
    </message>
</context>
<context>
    <name>GridActions</name>
    <message>
        <source>Grid Size</source>
        <translation>Rastergröße</translation>
    </message>
    <message>
        <source>Canvas pixels between grid lines (%1 to %2):</source>
        <translation>Pixel zwischen den Rasterlinien (%1 bis %2):</translation>
    </message>
    <message>
        <source>Show &amp;Grid</source>
        <translation>&amp;Raster anzeigen</translation>
    </message>
    <message>
        <source>&amp;Snap to Grid</source>
        <translation>Am Raster &amp;ausrichten</translation>
    </message>
    <message>
        <source>Grid Si&amp;ze...</source>
        <translation>Raster&amp;größe...</translation>
    </message>
    <message>
        <source>Smart G&amp;uides</source>
        <translation>&amp;Hilfslinien</translation>
    </message>
    <message>
        <source>Grid Si&amp;ze (%1)...</source>
        <translation>Raster&amp;größe (%1)...</translation>
    </message>
</context>
<context>
    <name>KeyboardCommands</name>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswahl</translation>
    </message>
    <message>
        <source>S&amp;tart Mark</source>
        <translation>&amp;Startmarke</translation>
    </message>
    <message>
        <source>&amp;End Mark</source>
        <translation>&amp;Endmarke</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Prozess</translation>
    </message>
    <message>
        <source>&amp;Decision</source>
        <translation>E&amp;ntscheidung</translation>
    </message>
    <message>
        <source>E&amp;llipse</source>
        <translation>E&amp;llipse</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rechteck</translation>
    </message>
    <message>
        <source>Te&amp;xt Label</source>
        <translation>&amp;Textfeld</translation>
    </message>
    <message>
        <source>L&amp;ine</source>
        <translation>L&amp;inie</translation>
    </message>
    <message>
        <source>&amp;Arrow</source>
        <translation>P&amp;feil</translation>
    </message>
    <message>
        <source>&amp;Solid</source>
        <translation>&amp;Durchgezogen</translation>
    </message>
    <message>
        <source>&amp;Dash</source>
        <translation>&amp;Gestrichelt</translation>
    </message>
    <message>
        <source>D&amp;ot</source>
        <translation>Ge&amp;punktet</translation>
    </message>
    <message>
        <source>D&amp;ash Dot</source>
        <translation>&amp;Strich-Punkt</translation>
    </message>
    <message>
        <source>Dash Dot Do&amp;t</source>
        <translation>Strich-Punkt-P&amp;unkt</translation>
    </message>
    <message>
        <source>&amp;No Line</source>
        <translation>&amp;Keine Linie</translation>
    </message>
    <message>
        <source>Line &amp;Width</source>
        <translation>Linien&amp;breite</translation>
    </message>
    <message>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <source>&amp;Vertical</source>
        <translation>V&amp;ertikal</translation>
    </message>
    <message>
        <source>&amp;Forward Diagonal</source>
        <translation>&amp;Diagonal vorwärts</translation>
    </message>
    <message>
        <source>&amp;Backward Diagonal</source>
        <translation>Diagonal &amp;rückwärts</translation>
    </message>
    <message>
        <source>&amp;Cross</source>
        <translation>&amp;Kreuz</translation>
    </message>
    <message>
        <source>&amp;Diagonal Cross</source>
        <translation>Diagonalkreu&amp;z</translation>
    </message>
    <message>
        <source>Arrow &amp;Thickness</source>
        <translation>Pfeil&amp;dicke</translation>
    </message>
    <message>
        <source>Arrow Head &amp;Length</source>
        <translation>Spitzenl&amp;änge</translation>
    </message>
    <message>
        <source>C&amp;aption</source>
        <translation>B&amp;eschriftung</translation>
    </message>
    <message>
        <source>Drawing &amp;Tool</source>
        <translation>&amp;Zeichenwerkzeug</translation>
    </message>
    <message>
        <source>&amp;No Fill</source>
        <translation>&amp;Keine Füllung</translation>
    </message>
    <message>
        <source>&amp;More Colours...</source>
        <translation>&amp;Weitere Farben...</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>Forma&amp;t</translation>
    </message>
    <message>
        <source>Line &amp;Style</source>
        <translation>Linien&amp;art</translation>
    </message>
    <message>
        <source>Line &amp;Colour</source>
        <translation>&amp;Linienfarbe</translation>
    </message>
    <message>
        <source>&amp;Fill Pattern</source>
        <translation>Füll&amp;muster</translation>
    </message>
    <message>
        <source>F&amp;ill Colour</source>
        <translation>&amp;Füllfarbe</translation>
    </message>
    <message>
        <source>Arrow &amp;Heads</source>
        <translation>Pfeil&amp;spitzen</translation>
    </message>
    <message>
        <source>Arrow &amp;Direction</source>
        <translation>Pfeil&amp;richtung</translation>
    </message>
    <message>
        <source>Caption &amp;Font...</source>
        <translation>S&amp;chriftart...</translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation>In den Vor&amp;dergrund</translation>
    </message>
    <message>
        <source>Send to Bac&amp;k</source>
        <translation>In den Hin&amp;tergrund</translation>
    </message>
</context>
<context>
    <name>LayoutMessages</name>
    <message>
        <source>the diagram has no shapes to lay out</source>
        <translation>das Diagramm enthält keine Formen zum Anordnen</translation>
    </message>
    <message>
        <source>Graphviz could not start</source>
        <translation>Graphviz konnte nicht starten</translation>
    </message>
    <message>
        <source>Graphviz could not lay the graph out with &apos;%1&apos;</source>
        <translation>Graphviz konnte den Graphen mit &apos;%1&apos; nicht anordnen</translation>
    </message>
    <message>
        <source>the layout program could not read its request: %1</source>
        <translation>das Layoutprogramm konnte seinen Auftrag nicht lesen: %1</translation>
    </message>
    <message>
        <source>the chart is too large for automatic layout: %1, above the limit of %2 (setting %3)</source>
        <translation>das Diagramm ist zu groß für die automatische Anordnung: %1, über der Grenze von %2 (Einstellung %3)</translation>
    </message>
    <message>
        <source>the chart is too large for automatic layout: %1, above the limit of %2</source>
        <translation>das Diagramm ist zu groß für die automatische Anordnung: %1, über der Grenze von %2</translation>
    </message>
    <message>
        <source>the layout was cancelled</source>
        <translation>die Anordnung wurde abgebrochen</translation>
    </message>
    <message>
        <source>the layout program %1 was found neither beside this program nor at %2</source>
        <translation>das Layoutprogramm %1 wurde weder neben diesem Programm noch unter %2 gefunden</translation>
    </message>
    <message>
        <source>the layout program %1 cannot be run: %2</source>
        <translation>das Layoutprogramm %1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>the layout program %1 cannot be run</source>
        <translation>das Layoutprogramm %1 kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>the layout stopped: the chart took longer than the %1 the layout may take</source>
        <translation>die Anordnung wurde angehalten: das Diagramm brauchte länger als die %1, die die Anordnung dauern darf</translation>
    </message>
    <message>
        <source>the layout stopped: the layout program crashed (%1) on a chart of %2 and %3</source>
        <translation>die Anordnung wurde angehalten: das Layoutprogramm ist bei einem Diagramm mit %2 und %3 abgestürzt (%1)</translation>
    </message>
    <message>
        <source>the layout stopped: the layout program crashed on a chart of %1 and %2</source>
        <translation>die Anordnung wurde angehalten: das Layoutprogramm ist bei einem Diagramm mit %1 und %2 abgestürzt</translation>
    </message>
    <message>
        <source>the layout stopped: the chart is too large for the %1 MB of memory the layout may use</source>
        <translation>die Anordnung wurde angehalten: das Diagramm ist zu groß für die %1 MB Speicher, die die Anordnung belegen darf</translation>
    </message>
    <message>
        <source>the layout stopped: the chart is too deep for the %1 MB of stack the layout may use</source>
        <translation>die Anordnung wurde angehalten: das Diagramm ist zu tief verschachtelt für die %1 MB Stapelspeicher, die die Anordnung belegen darf</translation>
    </message>
    <message>
        <source>the layout stopped: the layout program ended with status %1 on a chart of %2 and %3</source>
        <translation>die Anordnung wurde angehalten: das Layoutprogramm endete bei einem Diagramm mit %2 und %3 mit dem Status %1</translation>
    </message>
    <message>
        <source>the layout stopped: the layout program&apos;s answer cannot be read: %1</source>
        <translation>die Anordnung wurde angehalten: die Antwort des Layoutprogramms kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the layout stopped: the layout program&apos;s answer does not match the chart</source>
        <translation>die Anordnung wurde angehalten: die Antwort des Layoutprogramms passt nicht zum Diagramm</translation>
    </message>
    <message>
        <source>the link from %1 to %2 (&quot;%3&quot;) is drawn, but its figures read back otherwise</source>
        <translation>die Verbindung von %1 nach %2 („%3“) ist gezeichnet, aber ihre Figuren lesen sich anders</translation>
    </message>
    <message>
        <source>the link from %1 to %2 is drawn, but its figures read back otherwise</source>
        <translation>die Verbindung von %1 nach %2 ist gezeichnet, aber ihre Figuren lesen sich anders</translation>
    </message>
    <message>
        <source>%1 shape</source>
        <translation>%1 Form</translation>
    </message>
    <message>
        <source>%1 shapes</source>
        <translation>%1 Formen</translation>
    </message>
    <message>
        <source>%1 connector</source>
        <translation>%1 Verbinder</translation>
    </message>
    <message>
        <source>%1 connectors</source>
        <translation>%1 Verbinder</translation>
    </message>
    <message>
        <source>%1 second</source>
        <translation>%1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
</context>
<context>
    <name>OverviewDock</name>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Übersicht</translation>
    </message>
</context>
<context>
    <name>PictureClipboard</name>
    <message>
        <source>it would have to be drawn at %1 %</source>
        <translation>es müsste mit %1 % gezeichnet werden</translation>
    </message>
    <message>
        <source>the SVG could not be made</source>
        <translation>das SVG konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>there is not enough memory for it</source>
        <translation>dafür reicht der Arbeitsspeicher nicht</translation>
    </message>
    <message>
        <source>Copied without a picture for other programs: %1</source>
        <translation>Ohne Bild für andere Programme kopiert: %1</translation>
    </message>
    <message>
        <source>Copied; the picture for other programs is at %1 %</source>
        <translation>Kopiert; das Bild für andere Programme hat %1 %</translation>
    </message>
    <message>
        <source>The picture cannot be copied: %1</source>
        <translation>Das Bild kann nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>The picture is copied at %1 %</source>
        <translation>Das Bild wurde mit %1 % kopiert</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Seitenansicht</translation>
    </message>
</context>
<context>
    <name>PropertiesPanel</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;X:</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Y:</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>Schrift&amp;art:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>Schrift&amp;größe:</translation>
    </message>
    <message>
        <source>F&amp;ill:</source>
        <translation>&amp;Füllung:</translation>
    </message>
    <message>
        <source>&amp;Line:</source>
        <translation>&amp;Linie:</translation>
    </message>
    <message>
        <source>Line st&amp;yle:</source>
        <translation>Linien&amp;stil:</translation>
    </message>
    <message>
        <source>Line wi&amp;dth:</source>
        <translation>Linienstär&amp;ke:</translation>
    </message>
    <message>
        <source>Arrow &amp;heads:</source>
        <translation>&amp;Pfeilspitzen:</translation>
    </message>
    <message>
        <source>Dir&amp;ection:</source>
        <translation>&amp;Richtung:</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dash</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>Dash Dot</source>
        <translation>Strich-Punkt</translation>
    </message>
    <message>
        <source>Dash Dot Dot</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Inside Frame</source>
        <translation>Innerhalb des Rahmens</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Top to Top</source>
        <translation>Oben zu oben</translation>
    </message>
    <message>
        <source>Top to Bottom</source>
        <translation>Oben zu unten</translation>
    </message>
    <message>
        <source>Bottom to Top</source>
        <translation>Unten zu oben</translation>
    </message>
    <message>
        <source>Bottom to Bottom</source>
        <translation>Unten zu unten</translation>
    </message>
    <message>
        <source>Left to Left</source>
        <translation>Links zu links</translation>
    </message>
    <message>
        <source>Right to Right</source>
        <translation>Rechts zu rechts</translation>
    </message>
    <message>
        <source>Change Text</source>
        <translation>Text ändern</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Schriftart ändern</translation>
    </message>
    <message>
        <source>Change Font Size</source>
        <translation>Schriftgröße ändern</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3: &quot;%4&quot; was not applied.</source>
        <translation>%1 muss eine ganze Zahl von %2 bis %3 sein: „%4“ wurde nicht übernommen.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Discard the selected recovered diagram? Its unsaved changes are lost for good.</source>
        <translation>Das ausgewählte wiederhergestellte Diagramm verwerfen? Seine ungespeicherten Änderungen gehen endgültig verloren.</translation>
    </message>
    <message>
        <source>Discard the %1 selected recovered diagrams? Their unsaved changes are lost for good.</source>
        <translation>Die %1 ausgewählten wiederhergestellten Diagramme verwerfen? Ihre ungespeicherten Änderungen gehen endgültig verloren.</translation>
    </message>
    <message>
        <source>Recover Diagrams</source>
        <translation>Diagramme wiederherstellen</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>%1 no longer exists; it has been removed from the recent files.</source>
        <translation>%1 existiert nicht mehr und wurde aus den zuletzt geöffneten Dateien entfernt.</translation>
    </message>
</context>
<context>
    <name>RecoveryDialog</name>
    <message>
        <source>Recover Diagrams</source>
        <translation>Diagramme wiederherstellen</translation>
    </message>
    <message>
        <source>The editor did not end normally last time. These diagrams had unsaved changes; choose what to do with them.</source>
        <translation>Der Editor wurde beim letzten Mal nicht normal beendet. Diese Diagramme hatten ungespeicherte Änderungen; wählen Sie, was damit geschehen soll.</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Autosaved</source>
        <translation>Automatisch gesichert</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>A damaged copy cannot be recovered: discard it, or keep it for later.</source>
        <translation>Eine beschädigte Kopie kann nicht wiederhergestellt werden: Verwerfen Sie sie oder heben Sie sie für später auf.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
</context>
<context>
    <name>RecoverySession</name>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>keine Schreibberechtigung in %1</translation>
    </message>
    <message>
        <source>cannot create the lock file %1</source>
        <translation>die Sperrdatei %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>SpellCheckDialog</name>
    <message>
        <source>Check Spelling</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>C&amp;hange to:</source>
        <translation>&amp;Ersetzen durch:</translation>
    </message>
    <message>
        <source>&amp;Suggestions:</source>
        <translation>&amp;Vorschläge:</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>Change A&amp;ll</source>
        <translation>A&amp;lle ändern</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>&amp;Ignorieren</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>Zum &amp;Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Ü&amp;berspringen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The spelling check is complete.</source>
        <translation>Die Rechtschreibprüfung ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Not in the dictionary: &quot;%1&quot;</source>
        <translation>Nicht im Wörterbuch: „%1“</translation>
    </message>
</context>
<context>
    <name>SpellCheckRun</name>
    <message>
        <source>Change All</source>
        <translation>Alle ändern</translation>
    </message>
</context>
<context>
    <name>SpellHighlighter</name>
    <message>
        <source>(No Suggestions)</source>
        <translation>(Keine Vorschläge)</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
</context>
<context>
    <name>SpellingCommands</name>
    <message>
        <source>Check Spelling</source>
        <translation>Rechtschreibprüfung</translation>
    </message>
    <message>
        <source>Check &amp;Spelling...</source>
        <translation>&amp;Rechtschreibprüfung...</translation>
    </message>
    <message>
        <source>Spelling &amp;Preferences...</source>
        <translation>Rechtschreib&amp;einstellungen...</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed for %1.</source>
        <translation>Für %1 ist kein Rechtschreibwörterbuch installiert.</translation>
    </message>
</context>
<context>
    <name>SpellingPreferencesDialog</name>
    <message>
        <source>Spelling Preferences</source>
        <translation>Rechtschreibeinstellungen</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Check spelling as you &amp;type</source>
        <translation>Rechtschreibung &amp;während der Eingabe prüfen</translation>
    </message>
    <message>
        <source>Spelling &amp;language:</source>
        <translation>&amp;Sprache der Rechtschreibprüfung:</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>%1 × %2 at %3, %4</source>
        <translation>%1 × %2 bei %3, %4</translation>
    </message>
    <message>
        <source>%1 figures, %2</source>
        <translation>%1 Figuren, %2</translation>
    </message>
</context>
<context>
    <name>StreamMessages</name>
    <message>
        <source>Invalid stream format</source>
        <translation>Ungültiges Datenformat</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Lesefehler im Datenstrom</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Schreibfehler im Datenstrom</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Invalid property path</source>
        <translation>Ungültiger Eigenschaftspfad</translation>
    </message>
    <message>
        <source>Class %1 not found</source>
        <translation>Klasse %1 nicht gefunden</translation>
    </message>
    <message>
        <source>&apos;&apos;%1&apos;&apos; is not a valid component name</source>
        <translation>&apos;&apos;%1&apos;&apos; ist kein gültiger Komponentenname</translation>
    </message>
    <message>
        <source>Property %1 does not exist</source>
        <translation>Eigenschaft %1 existiert nicht</translation>
    </message>
    <message>
        <source>Error reading %1: %2</source>
        <translation>Fehler beim Lesen von %1: %2</translation>
    </message>
</context>
<context>
    <name>StyleEdits</name>
    <message>
        <source>Paste Style</source>
        <translation>Stil einfügen</translation>
    </message>
</context>
<context>
    <name>StyleFeatures</name>
    <message>
        <source>Copy St&amp;yle</source>
        <translation>&amp;Stil kopieren</translation>
    </message>
    <message>
        <source>Take the style of the selected figure</source>
        <translation>Den Stil der ausgewählten Figur übernehmen</translation>
    </message>
    <message>
        <source>Paste Style</source>
        <translation>Stil einfügen</translation>
    </message>
    <message>
        <source>Give the copied style to the selected figures</source>
        <translation>Den kopierten Stil auf die ausgewählten Figuren anwenden</translation>
    </message>
    <message>
        <source>S&amp;mooth Drawing</source>
        <translation>&amp;Weich zeichnen</translation>
    </message>
    <message>
        <source>Draw outlines, lines and text antialiased</source>
        <translation>Umrisse, Linien und Text geglättet zeichnen</translation>
    </message>
    <message>
        <source>Style copied</source>
        <translation>Stil kopiert</translation>
    </message>
    <message>
        <source>Select one figure to copy its style</source>
        <translation>Wählen Sie eine Figur aus, um ihren Stil zu kopieren</translation>
    </message>
    <message>
        <source>Copy a figure&apos;s style first (Edit &gt; Copy Style)</source>
        <translation>Kopieren Sie zuerst den Stil einer Figur (Bearbeiten &gt; Stil kopieren)</translation>
    </message>
</context>
<context>
    <name>SwatchButton</name>
    <message>
        <source>%1: click for the fill, Shift+click or right-click for the line</source>
        <translation>%1: Klick für die Füllung, Umschalt+Klick oder Rechtsklick für die Linie</translation>
    </message>
</context>
<context>
    <name>SwimlanesDialog</name>
    <message>
        <source>Swimlanes</source>
        <translation>Bahnen</translation>
    </message>
    <message>
        <source>&amp;Number of lanes:</source>
        <translation>&amp;Anzahl der Bahnen:</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>&amp;Lanes as:</source>
        <translation>&amp;Bahnen als:</translation>
    </message>
</context>
<context>
    <name>TFontChooser</name>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>TwinAbout</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>Operating system</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>Kernel</translation>
    </message>
    <message>
        <source>Processor architecture</source>
        <translation>Prozessorarchitektur</translation>
    </message>
    <message>
        <source>Processors</source>
        <translation>Prozessoren</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Disk (/)</source>
        <translation>Festplatte (/)</translation>
    </message>
    <message>
        <source>%1 free of %2</source>
        <translation>%1 von %2 frei</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <source>%1 x %2, %3 bits</source>
        <translation>%1 x %2, %3 Bit</translation>
    </message>
    <message>
        <source>Host name</source>
        <translation>Rechnername</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>About Kedrin Tools</source>
        <translation>Über Kedrin Tools</translation>
    </message>
    <message>
        <source>KedrinTools Demo</source>
        <translation>KedrinTools Demo</translation>
    </message>
    <message>
        <source>version 1.2b  build 2001.12.17</source>
        <translation>Version 1.2b  Build 2001.12.17</translation>
    </message>
    <message>
        <source>电子邮件：%1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>主页：www.example.com/kedrin</source>
        <translation>Homepage: www.example.com/kedrin</translation>
    </message>
    <message>
        <source>System Info(&amp;S)</source>
        <translation>Systeminfo(&amp;S)</translation>
    </message>
    <message>
        <source>Tel: +86 10 5550 1217</source>
        <translation>Tel.: +86 10 5550 1217</translation>
    </message>
    <message>
        <source>This demo is for evaluation only.</source>
        <translation>Diese Demo dient nur zur Evaluierung.</translation>
    </message>
</context>
<context>
    <name>TwinKedrinFile</name>
    <message>
        <source>Align Left</source>
        <translation>Links ausrichten</translation>
    </message>
    <message>
        <source>Align Centre</source>
        <translation>Zentriert ausrichten</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechts ausrichten</translation>
    </message>
    <message>
        <source>Align Top</source>
        <translation>Oben ausrichten</translation>
    </message>
    <message>
        <source>Align Middle</source>
        <translation>Mittig ausrichten</translation>
    </message>
    <message>
        <source>Align Bottom</source>
        <translation>Unten ausrichten</translation>
    </message>
    <message>
        <source>Distribute Horizontally</source>
        <translation>Horizontal verteilen</translation>
    </message>
    <message>
        <source>Distribute Vertically</source>
        <translation>Vertikal verteilen</translation>
    </message>
    <message>
        <source>Make Same Width</source>
        <translation>Gleiche Breite</translation>
    </message>
    <message>
        <source>Make Same Height</source>
        <translation>Gleiche Höhe</translation>
    </message>
    <message>
        <source>Make Same Size</source>
        <translation>Gleiche Größe</translation>
    </message>
    <message>
        <source>Draw Connector</source>
        <translation>Verbinder zeichnen</translation>
    </message>
    <message>
        <source>Elbow Connectors</source>
        <translation>Rechtwinklige Verbinder</translation>
    </message>
    <message>
        <source>Straight Connectors</source>
        <translation>Gerade Verbinder</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels</source>
        <translation>Nicht genügend Arbeitsspeicher für ein Bild von %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>A picture of %1 x %2 pixels is too large</source>
        <translation>Ein Bild von %1 x %2 Pixeln ist zu groß</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Wird geöffnet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 has been changed by another program since it was opened or saved here.
Overwrite it with this diagram, save the diagram under another name, or cancel?</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit es hier geöffnet oder gespeichert wurde.
Mit diesem Diagramm überschreiben, das Diagramm unter einem anderen Namen speichern oder abbrechen?</translation>
    </message>
    <message>
        <source>Cannot save %1: a diagram is saved as .kdl, .bmp or .jpg; File ▸ Export... writes PNG, SVG and PDF pictures</source>
        <translation>%1 kann nicht gespeichert werden: Ein Diagramm wird als .kdl, .bmp oder .jpg gespeichert; Datei ▸ Exportieren... schreibt PNG-, SVG- und PDF-Bilder</translation>
    </message>
    <message>
        <source>%1 could not be read completely: %2</source>
        <translation>%1 konnte nicht vollständig gelesen werden: %2</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Derzeit ist kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>Printing could not be started</source>
        <translation>Das Drucken konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>KedrinTool Demo</source>
        <translation>KedrinTool Demo</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Add a connected shape</source>
        <translation>Eine verbundene Form hinzufügen</translation>
    </message>
    <message>
        <source>Quick Connect</source>
        <translation>Schnell verbinden</translation>
    </message>
    <message>
        <source>Cannot open file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 GiB</source>
        <translation>%1 GiB</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a symbolic link</source>
        <translation>eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link, not a regular file</source>
        <translation>es ist eine symbolische Verknüpfung, keine normale Datei</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>es ist %1, keine normale Datei</translation>
    </message>
    <message>
        <source>it is larger than %1, more than a diagram can be</source>
        <translation>sie ist größer als %1, mehr als ein Diagramm sein kann</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>BringToFront</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>SendToBack</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>File has been changed, save or not?
%1</source>
        <translation>Die Datei wurde geändert. Speichern?
%1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot create file %1: %2</source>
        <translation>Die Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link to nothing (%1)</source>
        <translation>es ist eine symbolische Verknüpfung ins Leere (%1)</translation>
    </message>
    <message>
        <source>it leads to %1, not a regular file</source>
        <translation>sie führt zu %1, keiner normalen Datei</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>write error</source>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>the data could not be made</source>
        <translation>die Daten konnten nicht erzeugt werden</translation>
    </message>
    <message>
        <source>Draw Start Mark</source>
        <translation>Startmarke zeichnen</translation>
    </message>
    <message>
        <source>Draw End Mark</source>
        <translation>Endmarke zeichnen</translation>
    </message>
    <message>
        <source>Draw Process</source>
        <translation>Prozess zeichnen</translation>
    </message>
    <message>
        <source>Draw Decision</source>
        <translation>Entscheidung zeichnen</translation>
    </message>
    <message>
        <source>Draw Ellipse</source>
        <translation>Ellipse zeichnen</translation>
    </message>
    <message>
        <source>Draw Rectangle</source>
        <translation>Rechteck zeichnen</translation>
    </message>
    <message>
        <source>Draw Text Label</source>
        <translation>Textfeld zeichnen</translation>
    </message>
    <message>
        <source>Draw Line</source>
        <translation>Linie zeichnen</translation>
    </message>
    <message>
        <source>Draw Arrow</source>
        <translation>Pfeil zeichnen</translation>
    </message>
</context>
<context>
    <name>TwinMain</name>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Kedrin Tools Demo</source>
        <translation>Kedrin Tools Demo</translation>
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
        <source>&amp;Recent Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
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
        <source>Copy as P&amp;icture</source>
        <translation>Als &amp;Bild kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>A&amp;lles auswählen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>An&amp;ordnen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Seitenansicht...</translation>
    </message>
    <message>
        <source>Print &amp;Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topic</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Save Current File</source>
        <translation>Aktuelle Datei speichern</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Print Current File</source>
        <translation>Aktuelle Datei drucken</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Single Select &amp; Multi Select</source>
        <translation>Einfach- und Mehrfachauswahl</translation>
    </message>
    <message>
        <source>Begin</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>AnyAngle Arrow</source>
        <translation>Pfeil in beliebigem Winkel</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>TopToTop</source>
        <translation>Oben zu oben</translation>
    </message>
    <message>
        <source>TopToBottom</source>
        <translation>Oben zu unten</translation>
    </message>
    <message>
        <source>BottomToTop</source>
        <translation>Unten zu oben</translation>
    </message>
    <message>
        <source>BottomToBottom</source>
        <translation>Unten zu unten</translation>
    </message>
    <message>
        <source>LeftToLeft</source>
        <translation>Links zu links</translation>
    </message>
    <message>
        <source>RightToRight</source>
        <translation>Rechts zu rechts</translation>
    </message>
    <message>
        <source>Solid Pen</source>
        <translation>Durchgezogene Linie</translation>
    </message>
    <message>
        <source>Dash Pen</source>
        <translation>Gestrichelte Linie</translation>
    </message>
    <message>
        <source>Dot Pen</source>
        <translation>Gepunktete Linie</translation>
    </message>
    <message>
        <source>Dash Dot Pen</source>
        <translation>Strich-Punkt-Linie</translation>
    </message>
    <message>
        <source>Dash Dot Dot Pen</source>
        <translation>Strich-Punkt-Punkt-Linie</translation>
    </message>
    <message>
        <source>Clear Pen</source>
        <translation>Keine Linie</translation>
    </message>
    <message>
        <source>Pen Color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>LineWidth</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Solid Brush</source>
        <translation>Volle Füllung</translation>
    </message>
    <message>
        <source>Horizontal Brush</source>
        <translation>Horizontal schraffiert</translation>
    </message>
    <message>
        <source>Vertical Brush</source>
        <translation>Vertikal schraffiert</translation>
    </message>
    <message>
        <source>FDiagonal Brush</source>
        <translation>Vorwärtsdiagonal schraffiert</translation>
    </message>
    <message>
        <source>BDiagonal Brush</source>
        <translation>Rückwärtsdiagonal schraffiert</translation>
    </message>
    <message>
        <source>Cross Brush</source>
        <translation>Kreuzschraffur</translation>
    </message>
    <message>
        <source>DiagCross Brush</source>
        <translation>Diagonale Kreuzschraffur</translation>
    </message>
    <message>
        <source>Brush Color</source>
        <translation>Füllfarbe</translation>
    </message>
    <message>
        <source>ArrowThicknessRate</source>
        <translation>Pfeilstärke</translation>
    </message>
    <message>
        <source>ArrowHeadLengthRate</source>
        <translation>Pfeilspitzenlänge</translation>
    </message>
    <message>
        <source>Set Arrow Posion</source>
        <translation>Pfeilposition festlegen</translation>
    </message>
    <message>
        <source>Set Arrow Direction</source>
        <translation>Pfeilrichtung festlegen</translation>
    </message>
    <message>
        <source>Set Caption</source>
        <translation>Beschriftung festlegen</translation>
    </message>
    <message>
        <source>Set Caption Font</source>
        <translation>Schriftart der Beschriftung festlegen</translation>
    </message>
    <message>
        <source>No printer is installed. Print to a PDF file instead?</source>
        <translation>Es ist kein Drucker installiert. Stattdessen in eine PDF-Datei drucken?</translation>
    </message>
    <message>
        <source>KedrinFile(*.kdl)</source>
        <translation>Kedrin-Datei(*.kdl)</translation>
    </message>
    <message>
        <source>Bitmap File(*.bmp)</source>
        <translation>Bitmap-Datei(*.bmp)</translation>
    </message>
    <message>
        <source>Jpeg File(*.jpg)</source>
        <translation>JPEG-Datei(*.jpg)</translation>
    </message>
    <message>
        <source>Print to PDF File</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <source>PDF File(*.pdf)</source>
        <translation>PDF-Datei(*.pdf)</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Edit Te&amp;xt</source>
        <translation>&amp;Text bearbeiten</translation>
    </message>
    <message>
        <source>O&amp;verview</source>
        <translation>&amp;Übersicht</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>%1 %2 Figures</source>
        <translation>%1 (%2 Figuren)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Change Pen Style</source>
        <translation>Linienart ändern</translation>
    </message>
    <message>
        <source>Change Pen Colour</source>
        <translation>Linienfarbe ändern</translation>
    </message>
    <message>
        <source>Change Brush Style</source>
        <translation>Füllmuster ändern</translation>
    </message>
    <message>
        <source>Change Brush Colour</source>
        <translation>Füllfarbe ändern</translation>
    </message>
    <message>
        <source>Change Line Width</source>
        <translation>Linienstärke ändern</translation>
    </message>
    <message>
        <source>Change Font</source>
        <translation>Schriftart ändern</translation>
    </message>
    <message>
        <source>Change Caption</source>
        <translation>Beschriftung ändern</translation>
    </message>
    <message>
        <source>Change Arrow Position</source>
        <translation>Pfeilposition ändern</translation>
    </message>
    <message>
        <source>Change Arrow Direction</source>
        <translation>Pfeilrichtung ändern</translation>
    </message>
    <message>
        <source>Change Arrow Thickness</source>
        <translation>Pfeilstärke ändern</translation>
    </message>
    <message>
        <source>Change Arrow Head Length</source>
        <translation>Pfeilspitzenlänge ändern</translation>
    </message>
    <message>
        <source>Change Style</source>
        <translation>Stil ändern</translation>
    </message>
    <message>
        <source>Delete Text</source>
        <translation>Text löschen</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Type Text</source>
        <translation>Text eingeben</translation>
    </message>
    <message>
        <source>Bring into Container</source>
        <translation>In den Container holen</translation>
    </message>
    <message>
        <source>Fit Lanes</source>
        <translation>Bahnen anpassen</translation>
    </message>
</context>
<context>
    <name>UndoActions</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close &amp;All</source>
        <translation>&amp;Alle schließen</translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation>Nä&amp;chstes</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Vorheriges</translation>
    </message>
</context>
<context>
    <name>ZoomActions</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit Diagram</source>
        <translation>Ganzes &amp;Diagramm</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>An &amp;Breite anpassen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>a11y::CanvasAccessible</name>
    <message>
        <source>Diagram %1</source>
        <translation>Diagramm %1</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Diagramm</translation>
    </message>
</context>
<context>
    <name>drawio</name>
    <message>
        <source>This file has %1 pages; only &quot;%2&quot; was imported</source>
        <translation>Diese Datei hat %1 Seiten; nur „%2“ wurde importiert</translation>
    </message>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>cell %1: shape &quot;%2&quot; has no counterpart; drawn as an ellipse</source>
        <translation>Zelle %1: Die Form „%2“ hat keine Entsprechung; als Ellipse gezeichnet</translation>
    </message>
    <message>
        <source>cell %1: shape &quot;%2&quot; has no counterpart; drawn as a rectangle</source>
        <translation>Zelle %1: Die Form „%2“ hat keine Entsprechung; als Rechteck gezeichnet</translation>
    </message>
    <message>
        <source>cell %1: a shape without a size is left out</source>
        <translation>Zelle %1: Eine Form ohne Größe wird ausgelassen</translation>
    </message>
    <message>
        <source>edge %1 has a loose end without a point; left out</source>
        <translation>Kante %1 hat ein loses Ende ohne Punkt; ausgelassen</translation>
    </message>
    <message>
        <source>cell %1: the lane&apos;s title is taller than the band along its top</source>
        <translation>Zelle %1: der Titel der Bahn ist höher als das Band an ihrem oberen Rand</translation>
    </message>
    <message>
        <source>XML error at line %1, column %2: %3</source>
        <translation>XML-Fehler in Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>compressed page: </source>
        <translation>komprimierte Seite: </translation>
    </message>
    <message>
        <source>compressed page holds no &lt;mxGraphModel&gt;</source>
        <translation>die komprimierte Seite enthält kein &lt;mxGraphModel&gt;</translation>
    </message>
    <message>
        <source>the first page&apos;s compressed content cannot be decoded (base64, deflate, URL encoding)</source>
        <translation>der komprimierte Inhalt der ersten Seite kann nicht entschlüsselt werden (Base64, Deflate, URL-Kodierung)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not a draw.io file: it starts with &lt;%1&gt;, not &lt;mxfile&gt;</source>
        <translation>keine draw.io-Datei: sie beginnt mit &lt;%1&gt;, nicht mit &lt;mxfile&gt;</translation>
    </message>
    <message>
        <source>the draw.io file has no page (&lt;diagram&gt;)</source>
        <translation>die draw.io-Datei hat keine Seite (&lt;diagram&gt;)</translation>
    </message>
    <message>
        <source>not a draw.io file: no XML element</source>
        <translation>keine draw.io-Datei: kein XML-Element</translation>
    </message>
    <message>
        <source>Cannot read the figures back: %1</source>
        <translation>Die Figuren können nicht zurückgelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>exporting::ExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Whole diagram</source>
        <translation>Ganzes Diagramm</translation>
    </message>
    <message>
        <source>Selection only</source>
        <translation>Nur Auswahl</translation>
    </message>
    <message>
        <source>Background around the diagram or the selection, in canvas pixels</source>
        <translation>Hintergrund um das Diagramm oder die Auswahl, in Pixeln der Zeichenfläche</translation>
    </message>
    <message>
        <source>Transparent background</source>
        <translation>Transparenter Hintergrund</translation>
    </message>
    <message>
        <source>Sm&amp;ooth lines and text</source>
        <translation>&amp;Geglättete Linien und Texte</translation>
    </message>
    <message>
        <source>Antialiased drawing for PNG, SVG and PDF; BMP and JPEG keep the exact pixels</source>
        <translation>Geglättete Darstellung für PNG, SVG und PDF; BMP und JPEG behalten die exakten Pixel</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Datei&amp;name:</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>Export:</source>
        <translation>Exportieren:</translation>
    </message>
    <message>
        <source>&amp;Scale:</source>
        <translation>&amp;Skalierung:</translation>
    </message>
    <message>
        <source>&amp;Margin:</source>
        <translation>&amp;Rand:</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Contents:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>Picture size:</source>
        <translation>Bildgröße:</translation>
    </message>
    <message>
        <source>%1 shapes, %2 connectors</source>
        <translation>%1 Formen, %2 Verbinder</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>, at %1 % to stay within the size limit</source>
        <translation>, mit %1 %, um innerhalb der Größengrenze zu bleiben</translation>
    </message>
</context>
<context>
    <name>flowchart</name>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Laying out the diagram...</source>
        <translation>Das Diagramm wird angeordnet...</translation>
    </message>
    <message>
        <source>Auto Layout failed</source>
        <translation>Auto-Layout fehlgeschlagen</translation>
    </message>
    <message>
        <source>Auto Layout</source>
        <translation>Auto-Layout</translation>
    </message>
    <message>
        <source>Drawing the pasted flowchart...</source>
        <translation>Das eingefügte Flussdiagramm wird gezeichnet...</translation>
    </message>
    <message>
        <source>Cannot paste the %1 flowchart: %2</source>
        <translation>Das %1-Flussdiagramm kann nicht eingefügt werden: %2</translation>
    </message>
    <message>
        <source>Cannot lay out the flowchart</source>
        <translation>Das Flussdiagramm kann nicht angeordnet werden</translation>
    </message>
    <message>
        <source>Paste Flowchart</source>
        <translation>Flussdiagramm einfügen</translation>
    </message>
    <message>
        <source>Importing %1...</source>
        <translation>%1 wird importiert...</translation>
    </message>
    <message>
        <source>Some of the flowchart could not be drawn as written:</source>
        <translation>Einiges im Flussdiagramm konnte nicht wie geschrieben gezeichnet werden:</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
    </message>
    <message>
        <source>it holds no flowchart</source>
        <translation>es enthält kein Flussdiagramm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>graphfeatures</name>
    <message>
        <source>Import draw.io Diagram</source>
        <translation>draw.io-Diagramm importieren</translation>
    </message>
    <message>
        <source>draw.io diagrams (*.drawio *.xml);;All files (*)</source>
        <translation>draw.io-Diagramme (*.drawio *.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>dra&amp;w.io Diagram...</source>
        <translation>dra&amp;w.io-Diagramm...</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>Help file not found</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &quot;%1&quot; was not found.&lt;/p&gt;&lt;p&gt;Looked in:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;</source>
        <translation>&lt;p&gt;Die Hilfedatei „%1“ wurde nicht gefunden.&lt;/p&gt;&lt;p&gt;Gesucht in:&lt;/p&gt;&lt;ul&gt;%2&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>Help file cannot be read</source>
        <translation>Hilfedatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help file &quot;%1&quot; could not be opened.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Hilfedatei „%1“ konnte nicht geöffnet werden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help file damaged</source>
        <translation>Hilfedatei beschädigt</translation>
    </message>
    <message>
        <source>&lt;p&gt;The page &quot;%1&quot; cannot be read whole from the help file &quot;%2&quot;: the file is damaged or incomplete.&lt;/p&gt;&lt;p&gt;Installing the program again brings back a whole help file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Seite „%1“ kann nicht vollständig aus der Hilfedatei „%2“ gelesen werden: Die Datei ist beschädigt oder unvollständig.&lt;/p&gt;&lt;p&gt;Eine erneute Installation des Programms stellt eine vollständige Hilfedatei wieder her.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Page not found</source>
        <translation>Seite nicht gefunden</translation>
    </message>
    <message>
        <source>&lt;p&gt;The page &quot;%1&quot; is not in the help file &quot;%2&quot;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Die Seite „%1“ ist nicht in der Hilfedatei „%2“ enthalten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
</context>
<context>
    <name>spelling</name>
    <message>
        <source>Cannot read the dictionary %1: %2</source>
        <translation>Das Wörterbuch %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>utChms</name>
    <message>
        <source>函数HTMLHELP没有装载!</source>
        <translation>Die Funktion HTMLHELP wurde nicht geladen!</translation>
    </message>
    <message>
        <source>H系统没有安装HCtrl.OCX!<byte value="xd"/> HTMLHELP不能显示!</source>
        <translation>Das System hat HCtrl.OCX nicht installiert!<byte value="xd"/> HTMLHELP kann nicht angezeigt werden!</translation>
    </message>
</context>
<context>
    <name>walk::Describe</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Connector</source>
        <translation>Verbinder</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>nach %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>von %1 nach %2</translation>
    </message>
</context>
</TS>
