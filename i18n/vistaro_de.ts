<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>It is not an SVG drawing that can be read.</source>
        <translation>Es ist keine lesbare SVG-Zeichnung.</translation>
    </message>
    <message>
        <source>It is neither a PNG nor a JPEG picture.</source>
        <translation>Es ist weder ein PNG- noch ein JPEG-Bild.</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1</source>
        <translation>Das Bild kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>CoverageDrawing</name>
    <message>
        <source>tilt %1, vertical %2</source>
        <translation>Neigung %1, vertikal %2</translation>
    </message>
    <message>
        <source>dead zone %1</source>
        <translation>toter Bereich %1</translation>
    </message>
    <message>
        <source>far edge %1</source>
        <translation>fernes Ende %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>heights x %1</source>
        <translation>Höhen x %1</translation>
    </message>
    <message>
        <source>far edge unbounded (horizon)</source>
        <translation>fernes Ende unbegrenzt (Horizont)</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>scharf</translation>
    </message>
    <message>
        <source>continues</source>
        <translation>weiter</translation>
    </message>
</context>
<context>
    <name>CoverageReport</name>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Pixelgröße</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Bildbereich</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Gewünschte Stufe</translation>
    </message>
    <message>
        <source>Mounting height</source>
        <translation>Montagehöhe</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Zielhöhe</translation>
    </message>
    <message>
        <source>Fixed focal length</source>
        <translation>Festbrennweite</translation>
    </message>
    <message>
        <source>Aspherical</source>
        <translation>Asphärisch</translation>
    </message>
    <message>
        <source>Varifocal</source>
        <translation>Varifokal</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Video drive</source>
        <translation>Videosteuerung</translation>
    </message>
    <message>
        <source>Motorised</source>
        <translation>Motorisch</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Focal range</source>
        <translation>Brennweitenbereich</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Minimum focus</source>
        <translation>Naheinstellgrenze</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>What the camera sees</source>
        <translation>Was die Kamera sieht</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Camera coverage</source>
        <translation>Kameraabdeckung</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Draufsicht</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>%1 %2, lens calculator for CCTV cameras</source>
        <translation>%1 %2, Objektivrechner für CCTV-Kameras</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Abdeckung</translation>
    </message>
    <message>
        <source>Direct drive (DC)</source>
        <translation>Direktsteuerung (DC)</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>Neigungswinkel</translation>
    </message>
    <message>
        <source>%1 m, as the catalogue writes it</source>
        <translation>%1 m, wie im Katalog geschrieben</translation>
    </message>
    <message>
        <source>WIDE</source>
        <translation>WIDE</translation>
    </message>
    <message>
        <source>TELE</source>
        <translation>TELE</translation>
    </message>
    <message>
        <source>Camera coverage, %1</source>
        <translation>Abdeckung der Kamera, %1</translation>
    </message>
    <message>
        <source>Camera coverage with %1, %2</source>
        <translation>Abdeckung der Kamera mit %1, %2</translation>
    </message>
    <message>
        <source>What the camera shows</source>
        <translation>Was die Kamera zeigt</translation>
    </message>
    <message>
        <source>A face, a person, a number plate and bars as the camera&apos;s pixels show them</source>
        <translation>Ein Gesicht, eine Person, ein Kennzeichen und Balken, wie die Pixel der Kamera sie zeigen</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Datasheet angle</source>
        <translation>Winkel laut Datenblatt</translation>
    </message>
    <message>
        <source>F-number (depth of field)</source>
        <translation>Blendenzahl (Schärfentiefe)</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Zerstreuungskreis</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>Level set</source>
        <translation>Stufensatz</translation>
    </message>
</context>
<context>
    <name>CoverageText</name>
    <message>
        <source>The calculator&apos;s focal length</source>
        <translation>Die Brennweite des Rechners</translation>
    </message>
    <message>
        <source>The calculator&apos;s distance</source>
        <translation>Die Entfernung des Rechners</translation>
    </message>
    <message>
        <source>The sensor width</source>
        <translation>Die Sensorbreite</translation>
    </message>
    <message>
        <source>The sensor height</source>
        <translation>Die Sensorhöhe</translation>
    </message>
    <message>
        <source>The pixel size</source>
        <translation>Die Pixelgröße</translation>
    </message>
    <message>
        <source>The number of columns</source>
        <translation>Die Spaltenzahl</translation>
    </message>
    <message>
        <source>The number of rows</source>
        <translation>Die Zeilenzahl</translation>
    </message>
    <message>
        <source>The mounting height</source>
        <translation>Die Montagehöhe</translation>
    </message>
    <message>
        <source>The target height</source>
        <translation>Die Zielhöhe</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>px/ft</source>
        <translation>px/ft</translation>
    </message>
    <message>
        <source>px/m</source>
        <translation>px/m</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Detektion</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Beobachtung</translation>
    </message>
    <message>
        <source>Recognition</source>
        <translation>Erkennung</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identifizierung</translation>
    </message>
    <message>
        <source>Unbounded (horizon)</source>
        <translation>Unbegrenzt (Horizont)</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 must be greater than zero.</source>
        <translation>%1 muss größer als null sein.</translation>
    </message>
    <message>
        <source>%1 is too large: at most %2.</source>
        <translation>%1 ist zu groß: höchstens %2.</translation>
    </message>
    <message>
        <source>The camera is below the target and looks above the horizon: it sees no ground.</source>
        <translation>Die Kamera hängt unter dem Ziel und blickt über den Horizont: sie sieht keinen Boden.</translation>
    </message>
    <message>
        <source>Tele end: %1</source>
        <translation>Tele-Ende: %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Horizontaler Winkel</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Vertikaler Winkel</translation>
    </message>
    <message>
        <source>Diagonal angle</source>
        <translation>Diagonaler Winkel</translation>
    </message>
    <message>
        <source>Scene width</source>
        <translation>Szenenbreite</translation>
    </message>
    <message>
        <source>Scene height</source>
        <translation>Szenenhöhe</translation>
    </message>
    <message>
        <source>Pixel density</source>
        <translation>Pixeldichte</translation>
    </message>
    <message>
        <source>Level reached</source>
        <translation>Erreichte Stufe</translation>
    </message>
    <message>
        <source>Needed focal length (%1)</source>
        <translation>Nötige Brennweite (%1)</translation>
    </message>
    <message>
        <source>Far ground edge</source>
        <translation>Fernes Bodenende</translation>
    </message>
    <message>
        <source>%1 is too small: at least %2.</source>
        <translation>%1 ist zu klein: mindestens %2.</translation>
    </message>
    <message>
        <source>%1 must be more than %2 and less than %3.</source>
        <translation>%1 muss größer als %2 und kleiner als %3 sein.</translation>
    </message>
    <message>
        <source>At this tilt angle the camera looks above the horizon: it sees no ground.</source>
        <translation>Bei dieser Neigung blickt die Kamera über den Horizont: sie sieht keinen Boden.</translation>
    </message>
    <message>
        <source>The picture uses %1 of the sensor.</source>
        <translation>Das Bild nutzt %1 des Sensors.</translation>
    </message>
    <message>
        <source>Dead zone (near ground edge)</source>
        <translation>Toter Bereich (nahes Bodenende)</translation>
    </message>
    <message>
        <source>The tilt angle</source>
        <translation>Der Neigungswinkel</translation>
    </message>
    <message>
        <source>%1 is wider than this lens projection can show.</source>
        <translation>%1 ist weiter, als diese Objektivprojektion zeigen kann.</translation>
    </message>
    <message>
        <source>Pixel density at the centre</source>
        <translation>Pixeldichte in der Mitte</translation>
    </message>
    <message>
        <source>Pixel density at the edge</source>
        <translation>Pixeldichte am Rand</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Scharf ab</translation>
    </message>
    <message>
        <source>Sharp up to</source>
        <translation>Scharf bis</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Unendlich</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Hyperfokale Distanz</translation>
    </message>
    <message>
        <source>The datasheet&apos;s angle</source>
        <translation>Der Winkel laut Datenblatt</translation>
    </message>
    <message>
        <source>The F-number</source>
        <translation>Die Blendenzahl</translation>
    </message>
    <message>
        <source>The circle of confusion</source>
        <translation>Der Zerstreuungskreis</translation>
    </message>
    <message>
        <source>%1 (%2 mm, %3 px)</source>
        <translation>%1 (%2 mm, %3 px)</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Below %1</source>
        <translation>Unter %1</translation>
    </message>
    <message>
        <source>%1 up to</source>
        <translation>%1 bis</translation>
    </message>
    <message>
        <source>EN 62676-4</source>
        <translation>EN 62676-4</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Überwachung</translation>
    </message>
    <message>
        <source>Inspection</source>
        <translation>Inspektion</translation>
    </message>
    <message>
        <source>Share of screen height</source>
        <translation>Anteil der Bildschirmhöhe</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detektieren</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Beobachten</translation>
    </message>
    <message>
        <source>Recognise</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identifizieren</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Inspizieren</translation>
    </message>
    <message>
        <source>Number plates</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>Plate readable</source>
        <translation>Kennzeichen lesbar</translation>
    </message>
    <message>
        <source>ft²</source>
        <translation>ft²</translation>
    </message>
    <message>
        <source>m²</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Dxf</name>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>Die Datei ist größer als %1 MiB.</translation>
    </message>
    <message>
        <source>This is a binary DXF file; save the drawing as ASCII DXF.</source>
        <translation>Dies ist eine binäre DXF-Datei; speichern Sie die Zeichnung als ASCII-DXF.</translation>
    </message>
    <message>
        <source>This is a DWG drawing; save it as a DXF file.</source>
        <translation>Dies ist eine DWG-Zeichnung; speichern Sie sie als DXF-Datei.</translation>
    </message>
    <message>
        <source>Line %1 is too long for a DXF drawing.</source>
        <translation>Zeile %1 ist für eine DXF-Zeichnung zu lang.</translation>
    </message>
    <message>
        <source>Line %1 announces %2 points, more than the file can hold.</source>
        <translation>Zeile %1 kündigt %2 Punkte an, mehr als die Datei enthalten kann.</translation>
    </message>
    <message>
        <source>Line %1 holds no number.</source>
        <translation>Zeile %1 enthält keine Zahl.</translation>
    </message>
    <message>
        <source>The drawing has more than %1 entities.</source>
        <translation>Die Zeichnung hat mehr als %1 Objekte.</translation>
    </message>
    <message>
        <source>The drawing has more than %1 polyline vertices.</source>
        <translation>Die Zeichnung hat mehr als %1 Polylinien-Scheitelpunkte.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the drawing.</source>
        <translation>Der Speicher reicht nicht, um die Zeichnung zu lesen.</translation>
    </message>
    <message>
        <source>The drawing is damaged.</source>
        <translation>Die Zeichnung ist beschädigt.</translation>
    </message>
    <message>
        <source>This is not a DXF drawing.</source>
        <translation>Dies ist keine DXF-Zeichnung.</translation>
    </message>
    <message>
        <source>The drawing ends early: the file may be cut short.</source>
        <translation>Die Zeichnung endet zu früh: Die Datei ist womöglich abgeschnitten.</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es ist ein Ordner.</translation>
    </message>
    <message>
        <source>a point of the plan is not a number or lies farther than 10 000 km</source>
        <translation>ein Punkt des Plans ist keine Zahl oder liegt weiter als 10 000 km entfernt</translation>
    </message>
    <message>
        <source>the drawing could not be put together in a temporary folder</source>
        <translation>die Zeichnung konnte nicht in einem temporären Ordner erstellt werden</translation>
    </message>
</context>
<context>
    <name>DxfSummary</name>
    <message>
        <source>%n 3D face not drawn</source>
        <translation>%n 3D-Fläche nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n 3D faces not drawn</source>
        <translation>
            <numerusform>%n 3D-Fläche nicht gezeichnet</numerusform>
            <numerusform>%n 3D-Flächen nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n 3D solid not drawn</source>
        <translation>%n 3D-Volumenkörper nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n 3D solids not drawn</source>
        <translation>
            <numerusform>%n 3D-Volumenkörper nicht gezeichnet</numerusform>
            <numerusform>%n 3D-Volumenkörper nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n proxy entity not drawn</source>
        <translation>%n Proxy-Objekt nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n proxy entities not drawn</source>
        <translation>
            <numerusform>%n Proxy-Objekt nicht gezeichnet</numerusform>
            <numerusform>%n Proxy-Objekte nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n table not drawn</source>
        <translation>%n Tabelle nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n tables not drawn</source>
        <translation>
            <numerusform>%n Tabelle nicht gezeichnet</numerusform>
            <numerusform>%n Tabellen nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n body not drawn</source>
        <translation>%n Körper nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n bodies not drawn</source>
        <translation>
            <numerusform>%n Körper nicht gezeichnet</numerusform>
            <numerusform>%n Körper nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n underlay not drawn</source>
        <translation>%n Unterlage nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n underlays not drawn</source>
        <translation>
            <numerusform>%n Unterlage nicht gezeichnet</numerusform>
            <numerusform>%n Unterlagen nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n image not drawn</source>
        <translation>%n Bild nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n images not drawn</source>
        <translation>
            <numerusform>%n Bild nicht gezeichnet</numerusform>
            <numerusform>%n Bilder nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n light not drawn</source>
        <translation>%n Lichtquelle nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n lights not drawn</source>
        <translation>
            <numerusform>%n Lichtquelle nicht gezeichnet</numerusform>
            <numerusform>%n Lichtquellen nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n mesh not drawn</source>
        <translation>%n Netz nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n meshes not drawn</source>
        <translation>
            <numerusform>%n Netz nicht gezeichnet</numerusform>
            <numerusform>%n Netze nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n embedded object not drawn</source>
        <translation>%n eingebettetes Objekt nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n embedded objects not drawn</source>
        <translation>
            <numerusform>%n eingebettetes Objekt nicht gezeichnet</numerusform>
            <numerusform>%n eingebettete Objekte nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n ray not drawn</source>
        <translation>%n Strahl nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n rays not drawn</source>
        <translation>
            <numerusform>%n Strahl nicht gezeichnet</numerusform>
            <numerusform>%n Strahlen nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n region not drawn</source>
        <translation>%n Region nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n regions not drawn</source>
        <translation>
            <numerusform>%n Region nicht gezeichnet</numerusform>
            <numerusform>%n Regionen nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n surface not drawn</source>
        <translation>%n Oberfläche nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n surfaces not drawn</source>
        <translation>
            <numerusform>%n Oberfläche nicht gezeichnet</numerusform>
            <numerusform>%n Oberflächen nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n viewport not drawn</source>
        <translation>%n Ansichtsfenster nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n viewports not drawn</source>
        <translation>
            <numerusform>%n Ansichtsfenster nicht gezeichnet</numerusform>
            <numerusform>%n Ansichtsfenster nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n wipeout not drawn</source>
        <translation>%n Abdeckfläche nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n wipeouts not drawn</source>
        <translation>
            <numerusform>%n Abdeckfläche nicht gezeichnet</numerusform>
            <numerusform>%n Abdeckflächen nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>%n construction line not drawn</source>
        <translation>%n Konstruktionslinie nicht gezeichnet</translation>
    </message>
    <message numerus="yes">
        <source>%n construction lines not drawn</source>
        <translation>
            <numerusform>%n Konstruktionslinie nicht gezeichnet</numerusform>
            <numerusform>%n Konstruktionslinien nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 entity not drawn</source>
        <translation>
            <numerusform>%n %1-Objekt nicht gezeichnet</numerusform>
            <numerusform>%n %1-Objekte nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 entities not drawn</source>
        <translation>
            <numerusform>%n %1-Objekt nicht gezeichnet</numerusform>
            <numerusform>%n %1-Objekte nicht gezeichnet</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>LensText</name>
    <message>
        <source>Rectilinear (pinhole)</source>
        <translation>Rektilinear (Lochkamera)</translation>
    </message>
    <message>
        <source>Equidistant fisheye (r = f·θ)</source>
        <translation>Fisheye, abstandstreu (r = f·θ)</translation>
    </message>
    <message>
        <source>Equisolid fisheye (r = 2f·sin θ/2)</source>
        <translation>Fisheye, flächentreu (r = 2f·sin θ/2)</translation>
    </message>
    <message>
        <source>Stereographic (r = 2f·tan θ/2)</source>
        <translation>Stereografisch (r = 2f·tan θ/2)</translation>
    </message>
    <message>
        <source>Orthographic (r = f·sin θ)</source>
        <translation>Orthografisch (r = f·sin θ)</translation>
    </message>
    <message>
        <source>Active area %1, diagonal %2 mm.</source>
        <translation>Aktive Fläche %1, Diagonale %2 mm.</translation>
    </message>
    <message>
        <source>As typed.</source>
        <translation>Wie eingegeben.</translation>
    </message>
    <message>
        <source>Pixel size x resolution: the sensor&apos;s own active area.</source>
        <translation>Pixelgröße x Auflösung: die aktive Fläche des Sensors selbst.</translation>
    </message>
    <message>
        <source>Nominal format %1: the size of the format&apos;s name, not a measured active area; type the pixel size where the datasheet gives it.</source>
        <translation>Nennformat %1: die Größe, nach der das Format heißt, keine gemessene aktive Fläche; die Pixelgröße eingeben, wo das Datenblatt sie nennt.</translation>
    </message>
    <message>
        <source>Nominal format %1: the typical active area of sensors sold under it.</source>
        <translation>Nennformat %1: die typische aktive Fläche der Sensoren, die unter diesem Namen verkauft werden.</translation>
    </message>
    <message>
        <source>Camera: the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>Kamera: Sensor oder Bildgröße des Abdeckungsfensters sind nicht verwendbar</translation>
    </message>
    <message>
        <source>Camera: %1, %2 x %3</source>
        <translation>Kamera: %1, %2 x %3</translation>
    </message>
</context>
<context>
    <name>PreviewSheet</name>
    <message>
        <source>At the aim distance</source>
        <translation>In der Zielentfernung</translation>
    </message>
    <message>
        <source>At the aim distance (%1)</source>
        <translation>In der Zielentfernung (%1)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No pixel density: the coverage window&apos;s inputs give none.</source>
        <translation>Keine Pixeldichte: die Eingaben des Abdeckungsfensters ergeben keine.</translation>
    </message>
    <message>
        <source>%1 x %2 px</source>
        <translation>%1 x %2 px</translation>
    </message>
    <message>
        <source>Outside the sharp zone: blur %1 px</source>
        <translation>Außerhalb des scharfen Bereichs: Unschärfe %1 px</translation>
    </message>
    <message>
        <source>Outside the sharp zone at %1: blur %2 px</source>
        <translation>Außerhalb des scharfen Bereichs bei %1: Unschärfe %2 px</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Der Bericht konnte nicht auf „%1“ gedruckt werden.</translation>
    </message>
    <message>
        <source>the picture could not be written as PNG</source>
        <translation>das Bild konnte nicht als PNG geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TargetText</name>
    <message>
        <source>Face, 16 cm wide</source>
        <translation>Gesicht, 16 cm breit</translation>
    </message>
    <message>
        <source>Person, 1.7 m tall</source>
        <translation>Person, 1,7 m groß</translation>
    </message>
    <message>
        <source>Number plate, 520 x 110 mm</source>
        <translation>Kennzeichen, 520 x 110 mm</translation>
    </message>
    <message>
        <source>Bars of 40, 16, 8 and 4 mm</source>
        <translation>Balken von 40, 16, 8 und 4 mm</translation>
    </message>
</context>
<context>
    <name>TestChart</name>
    <message>
        <source>Printed at 100 % this line is 100 mm long. If it is not, print again at actual size (no fitting to the page).</source>
        <translation>Bei 100 % gedruckt ist diese Linie 100 mm lang. Ist sie es nicht, in Originalgröße erneut drucken (ohne Anpassen an die Seite).</translation>
    </message>
    <message>
        <source>Counting bar, %1 mm</source>
        <translation>Zählbalken, %1 mm</translation>
    </message>
    <message>
        <source>%1 mm (%2 in)</source>
        <translation>%1 mm (%2 in)</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Hold this sheet upright at the aim distance (%1), facing the camera. In the live picture, count the pixels across the black counting bar (%2).</source>
        <translation>Halten Sie dieses Blatt aufrecht in der Zielentfernung (%1), der Kamera zugewandt. Zählen Sie im Livebild die Pixel über den schwarzen Zählbalken (%2).</translation>
    </message>
    <message>
        <source>The design gives %1 pixels across it there.</source>
        <translation>Die Planung ergibt dort %1 Pixel darüber.</translation>
    </message>
    <message>
        <source>%1: %2 pixels</source>
        <translation>%1: %2 Pixel</translation>
    </message>
    <message>
        <source>Each level needs at least: %1.</source>
        <translation>Jede Stufe braucht mindestens: %1.</translation>
    </message>
    <message>
        <source>Each pair of bars below is resolved when the picture shows the gap between them: at detection the 40 mm pair, at observation 16 mm, at recognition 8 mm, at identification 4 mm.</source>
        <translation>Jedes Balkenpaar unten ist aufgelöst, wenn das Bild die Lücke dazwischen zeigt: bei Detektion das 40-mm-Paar, bei Beobachtung 16 mm, bei Erkennung 8 mm, bei Identifizierung 4 mm.</translation>
    </message>
    <message>
        <source>Test chart: what the camera resolves</source>
        <translation>Testtafel: was die Kamera auflöst</translation>
    </message>
    <message>
        <source>Number plate characters, %1 mm tall</source>
        <translation>Kennzeichenzeichen, %1 mm hoch</translation>
    </message>
    <message>
        <source>A face at its size, the head %1 mm wide</source>
        <translation>Ein Gesicht in Originalgröße, der Kopf %1 mm breit</translation>
    </message>
    <message>
        <source>Test chart</source>
        <translation>Testtafel</translation>
    </message>
    <message>
        <source>Test chart %1</source>
        <translation>Testtafel %1</translation>
    </message>
</context>
<context>
    <name>vistaro::AboutBox</name>
    <message>
        <source>About Vistaro</source>
        <translation>Über Vistaro</translation>
    </message>
    <message>
        <source>Vistaro %1</source>
        <translation>Vistaro %1</translation>
    </message>
    <message>
        <source>Lens calculator for CCTV cameras</source>
        <translation>Objektivrechner für CCTV-Kameras</translation>
    </message>
    <message>
        <source>Copyright 2026 The Vistaro developers. Vistaro is free software under the &lt;a href=&quot;%1&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt;; it comes with absolutely no warranty.</source>
        <translation>Copyright 2026 die Entwickler von Vistaro. Vistaro ist freie Software unter der &lt;a href=&quot;%1&quot;&gt;GNU General Public License, Version 3 oder später&lt;/a&gt;; es wird ohne jede Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>Qt %1 (built with Qt %2)</source>
        <translation>Qt %1 (erstellt mit Qt %2)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>vistaro::AreaPanel</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Stufe:</translation>
    </message>
    <message>
        <source>&amp;Required share:</source>
        <translation>&amp;Geforderter Anteil:</translation>
    </message>
    <message>
        <source>The share of the area that must be covered at its level for it to be met</source>
        <translation>Der Anteil des Bereichs, der mit seiner Stufe abgedeckt sein muss, damit er erfüllt ist</translation>
    </message>
</context>
<context>
    <name>vistaro::AreaTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Covered (%)</source>
        <translation>Abgedeckt (%)</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Geschoss</translation>
    </message>
</context>
<context>
    <name>vistaro::BackgroundController</name>
    <message>
        <source>Show background</source>
        <translation>Hintergrund zeigen</translation>
    </message>
    <message>
        <source>Hide background</source>
        <translation>Hintergrund ausblenden</translation>
    </message>
    <message>
        <source>Dim background</source>
        <translation>Hintergrund abdunkeln</translation>
    </message>
    <message>
        <source>Brighten background</source>
        <translation>Hintergrund aufhellen</translation>
    </message>
    <message>
        <source>Lock background</source>
        <translation>Hintergrund sperren</translation>
    </message>
    <message>
        <source>Unlock background</source>
        <translation>Hintergrund entsperren</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>Floor plans (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)</source>
        <translation>Grundrisse (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be shown: %2</source>
        <translation>Das Hintergrundbild %1 kann nicht gezeigt werden: %2</translation>
    </message>
    <message>
        <source>Load background</source>
        <translation>Hintergrund laden</translation>
    </message>
    <message>
        <source>Background scale</source>
        <translation>Hintergrundmaßstab</translation>
    </message>
    <message>
        <source>Distance between the two points (%1):</source>
        <translation>Abstand zwischen den beiden Punkten (%1):</translation>
    </message>
    <message>
        <source>Set background scale</source>
        <translation>Hintergrundmaßstab setzen</translation>
    </message>
    <message>
        <source>Change drawing layers</source>
        <translation>Ebenen der Zeichnung ändern</translation>
    </message>
    <message>
        <source>Walls from layers</source>
        <translation>Wände aus Ebenen</translation>
    </message>
    <message numerus="yes">
        <source>%n obstacle made from the drawing&apos;s layers</source>
        <translation>
            <numerusform>%n Hindernis aus den Ebenen der Zeichnung erstellt</numerusform>
            <numerusform>%n Hindernisse aus den Ebenen der Zeichnung erstellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n obstacles made from the drawing&apos;s layers</source>
        <translation>
            <numerusform>%n Hindernis aus den Ebenen der Zeichnung erstellt</numerusform>
            <numerusform>%n Hindernisse aus den Ebenen der Zeichnung erstellt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n open outline passed over</source>
        <translation>
            <numerusform>; %n offener Umriss übergangen</numerusform>
            <numerusform>; %n offene Umrisse übergangen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n open outlines passed over</source>
        <translation>
            <numerusform>; %n offener Umriss übergangen</numerusform>
            <numerusform>; %n offene Umrisse übergangen</numerusform>
        </translation>
    </message>
    <message>
        <source>Obstacles from layers</source>
        <translation>Hindernisse aus Ebenen</translation>
    </message>
</context>
<context>
    <name>vistaro::CConsiglia</name>
    <message>
        <source>Previous lens</source>
        <translation>Vorheriges Objektiv</translation>
    </message>
    <message>
        <source>Next lens</source>
        <translation>Nächstes Objektiv</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <source>Reset the index</source>
        <translation>Index zurücksetzen</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Next index</source>
        <translation>Nächster Index</translation>
    </message>
    <message>
        <source>Lens model</source>
        <translation>Objektivmodell</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Blendenzahl</translation>
    </message>
    <message>
        <source>Iris control</source>
        <translation>Blendensteuerung</translation>
    </message>
    <message>
        <source>Minimum focus distance</source>
        <translation>Naheinstellgrenze</translation>
    </message>
    <message>
        <source>Remark and scenes at the distances typed</source>
        <translation>Bemerkung und Szenen bei den eingegebenen Entfernungen</translation>
    </message>
    <message>
        <source>(the lens may not focus at the distance typed)</source>
        <translation>(das Objektiv stellt bei der eingegebenen Entfernung womöglich nicht scharf)</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraPanel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>East (%1)</source>
        <translation>Ost (%1)</translation>
    </message>
    <message>
        <source>North (%1)</source>
        <translation>Nord (%1)</translation>
    </message>
    <message>
        <source>Pan (° from east)</source>
        <translation>Schwenk (° von Ost)</translation>
    </message>
    <message>
        <source>Mounting height (%1)</source>
        <translation>Montagehöhe (%1)</translation>
    </message>
    <message>
        <source>Aimed by</source>
        <translation>Ausgerichtet nach</translation>
    </message>
    <message>
        <source>Target height (%1)</source>
        <translation>Zielhöhe (%1)</translation>
    </message>
    <message>
        <source>Tilt (° down)</source>
        <translation>Neigung (° nach unten)</translation>
    </message>
    <message>
        <source>Aim distance (%1)</source>
        <translation>Zielentfernung (%1)</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>Sensorbreite (mm)</translation>
    </message>
    <message>
        <source>Sensor height (mm)</source>
        <translation>Sensorhöhe (mm)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>Tele end (mm)</source>
        <translation>Teleende (mm)</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Gewünschte Stufe</translation>
    </message>
    <message>
        <source>Select one camera on the plan or in the table to see and change it here.</source>
        <translation>Wählen Sie eine Kamera im Plan oder in der Tabelle, um sie hier zu sehen und zu ändern.</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Zielhöhe</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
    <message>
        <source>&amp;Show in coverage window</source>
        <translation>Im Fenster Abdeckung &amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Vorschau...</translation>
    </message>
    <message>
        <source>Preview of what the camera shows</source>
        <translation>Vorschau dessen, was die Kamera zeigt</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Datasheet angle (° across)</source>
        <translation>Winkel laut Datenblatt (° horizontal)</translation>
    </message>
    <message>
        <source>Camera properties</source>
        <translation>Kameraeigenschaften</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Pan (°)</source>
        <translation>Schwenk (°)</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Zielhöhe</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Geschoss</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraViewWindow</name>
    <message>
        <source>Select a camera to see its view.</source>
        <translation>Wählen Sie eine Kamera, um ihre Ansicht zu sehen.</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Ansicht: %1</translation>
    </message>
    <message>
        <source>View from camera</source>
        <translation>Ansicht aus der Kamera</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Floor in %1</source>
        <translation>Boden in %1</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wand</translation>
    </message>
    <message>
        <source>Obstacle %1</source>
        <translation>Hindernis %1</translation>
    </message>
    <message>
        <source>Person at %1</source>
        <translation>Person bei %1</translation>
    </message>
    <message>
        <source>%1: dead zone</source>
        <translation>%1: toter Bereich</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Save the camera&apos;s view as PNG</source>
        <translation>Ansicht der Kamera als PNG speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>View %1</source>
        <translation>Ansicht %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save as PNG...</source>
        <translation>Als PNG &amp;speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>C&amp;lear targets</source>
        <translation>Ziele &amp;löschen</translation>
    </message>
    <message>
        <source>Place &amp;target:</source>
        <translation>&amp;Ziel setzen:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Target to place with a click on the floor</source>
        <translation>Ziel, das mit einem Klick auf den Boden gesetzt wird</translation>
    </message>
    <message>
        <source>View from the camera</source>
        <translation>Ansicht aus der Kamera</translation>
    </message>
    <message>
        <source>The arrows move a cross over the picture (Shift: faster); Enter places the chosen target there</source>
        <translation>Die Pfeiltasten verschieben ein Kreuz über das Bild (Umschalt: schneller); Eingabe setzt das gewählte Ziel dorthin</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>What the pointer is over</source>
        <translation>Was unter dem Mauszeiger liegt</translation>
    </message>
    <message>
        <source>Choose a target, then click the floor in the picture or on the plan to stand it there</source>
        <translation>Wählen Sie ein Ziel und klicken Sie dann im Bild oder auf dem Plan auf den Boden, um es dort aufzustellen</translation>
    </message>
</context>
<context>
    <name>vistaro::CopyToStoreysDialog</name>
    <message>
        <source>Copy to storeys</source>
        <translation>In Geschosse kopieren</translation>
    </message>
</context>
<context>
    <name>vistaro::CoverageWindow</name>
    <message>
        <source>Coverage</source>
        <translation>Abdeckung</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>What the camera sees</source>
        <translation>Was die Kamera sieht</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Größe (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Pixelgröße (µm)</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Columns x rows</source>
        <translation>Spalten x Zeilen</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Gewünschte Stufe</translation>
    </message>
    <message>
        <source>Mounting height (%1)</source>
        <translation>Montagehöhe (%1)</translation>
    </message>
    <message>
        <source>Target height (%1)</source>
        <translation>Zielhöhe (%1)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>The calculator&apos;s format</source>
        <translation>Das Format des Rechners</translation>
    </message>
    <message>
        <source>Custom size</source>
        <translation>Eigene Größe</translation>
    </message>
    <message>
        <source>Pixel size x resolution</source>
        <translation>Pixelgröße x Auflösung</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Metric (m, px/m)</source>
        <translation>Metrisch (m, px/m)</translation>
    </message>
    <message>
        <source>Imperial (ft, px/ft)</source>
        <translation>Imperial (ft, px/ft)</translation>
    </message>
    <message>
        <source>WIDE</source>
        <translation>WIDE</translation>
    </message>
    <message>
        <source>TELE</source>
        <translation>TELE</translation>
    </message>
    <message>
        <source>Use in calculator</source>
        <translation>Im Rechner verwenden</translation>
    </message>
    <message>
        <source>Use in calculator (TELE)</source>
        <translation>Im Rechner verwenden (TELE)</translation>
    </message>
    <message>
        <source>The calculator&apos;s scene sizes are those of its own format, not of this sensor.</source>
        <translation>Die Szenengrößen des Rechners gelten für sein eigenes Format, nicht für diesen Sensor.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>Bild speichern...</translation>
    </message>
    <message>
        <source>Copy image</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Save the views as a picture</source>
        <translation>Ansichten als Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Aim</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Tilt angle (° down)</source>
        <translation>Neigung (° nach unten)</translation>
    </message>
    <message>
        <source>Aim at target height</source>
        <translation>Auf Zielhöhe ausrichten</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>Neigungswinkel</translation>
    </message>
    <message>
        <source>The focal length the level needs is longer than the calculator takes (at most %1).</source>
        <translation>Die für die Stufe nötige Brennweite ist länger, als der Rechner annimmt (höchstens %1).</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projektion</translation>
    </message>
    <message>
        <source>Datasheet angle (° across)</source>
        <translation>Winkel laut Datenblatt (° horizontal)</translation>
    </message>
    <message>
        <source>F-number</source>
        <translation>Blendenzahl</translation>
    </message>
    <message>
        <source>Circle of confusion (pixels)</source>
        <translation>Zerstreuungskreis (Pixel)</translation>
    </message>
    <message>
        <source>from the focal length</source>
        <translation>aus der Brennweite</translation>
    </message>
    <message>
        <source>The horizontal angle of view the lens&apos;s datasheet states for this sensor; it stands instead of the focal length&apos;s.</source>
        <translation>Der horizontale Bildwinkel, den das Datenblatt des Objektivs für diesen Sensor nennt; er tritt an die Stelle dessen der Brennweite.</translation>
    </message>
    <message>
        <source>The blur that still reads as sharp, in pixel widths.</source>
        <translation>Die Unschärfe, die noch als scharf gilt, in Pixelbreiten.</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>Preview of what the camera shows</source>
        <translation>Vorschau dessen, was die Kamera zeigt</translation>
    </message>
    <message>
        <source>Test chart...</source>
        <translation>Testtafel...</translation>
    </message>
    <message>
        <source>Save a test chart to print</source>
        <translation>Testtafel zum Drucken speichern</translation>
    </message>
    <message>
        <source>Save the test chart</source>
        <translation>Testtafel speichern</translation>
    </message>
    <message>
        <source>Level set</source>
        <translation>Stufensatz</translation>
    </message>
    <message>
        <source>Number plate</source>
        <translation>Kennzeichen</translation>
    </message>
    <message>
        <source>European plate, 520 mm</source>
        <translation>Europäisches Kennzeichen, 520 mm</translation>
    </message>
    <message>
        <source>United States plate, 305 mm</source>
        <translation>US-Kennzeichen, 305 mm</translation>
    </message>
    <message>
        <source> px across the plate</source>
        <translation> px über die Kennzeichenbreite</translation>
    </message>
    <message>
        <source>Your sets...</source>
        <translation>Eigene Sätze...</translation>
    </message>
    <message>
        <source>Number plate width</source>
        <translation>Breite des Kennzeichens</translation>
    </message>
    <message>
        <source>Pixels needed across the plate</source>
        <translation>Benötigte Pixel über die Kennzeichenbreite</translation>
    </message>
    <message>
        <source>Edit your own level sets</source>
        <translation>Eigene Stufensätze bearbeiten</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>Sensorbreite (mm)</translation>
    </message>
    <message>
        <source>Sensor height (mm)</source>
        <translation>Sensorhöhe (mm)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Draufsicht</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>%1, wide end</source>
        <translation>%1, Weitwinkelende</translation>
    </message>
    <message>
        <source>%1, tele end</source>
        <translation>%1, Teleende</translation>
    </message>
</context>
<context>
    <name>vistaro::DraftFields</name>
    <message>
        <source>Length (%1):</source>
        <translation>Länge (%1):</translation>
    </message>
    <message>
        <source>Angle (°):</source>
        <translation>Winkel (°):</translation>
    </message>
    <message>
        <source>Length of the segment drawn</source>
        <translation>Länge des gezeichneten Segments</translation>
    </message>
    <message>
        <source>Angle of the segment drawn, counter-clockwise from east</source>
        <translation>Winkel des gezeichneten Segments, gegen den Uhrzeigersinn von Osten aus</translation>
    </message>
    <message>
        <source>Type a figure and press Enter to place the next point; Tab goes to the other field, Esc back to the plan.</source>
        <translation>Geben Sie einen Wert ein und drücken Sie Eingabe, um den nächsten Punkt zu setzen; Tab wechselt zum anderen Feld, Esc zurück zum Plan.</translation>
    </message>
</context>
<context>
    <name>vistaro::DxfLayersDialog</name>
    <message>
        <source>Drawing layers</source>
        <translation>Ebenen der Zeichnung</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Entities</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Use as walls</source>
        <translation>Als Wände verwenden</translation>
    </message>
    <message>
        <source>Not drawn</source>
        <translation>Nicht gezeichnet</translation>
    </message>
    <message>
        <source>Obstacles of layer %1</source>
        <translation>Hindernisse der Ebene %1</translation>
    </message>
    <message>
        <source>Use as obstacles</source>
        <translation>Als Hindernisse verwenden</translation>
    </message>
</context>
<context>
    <name>vistaro::FigureCaptions</name>
    <message>
        <source>Density at aim</source>
        <translation>Dichte am Zielpunkt</translation>
    </message>
    <message>
        <source>Area at level</source>
        <translation>Fläche mit Stufe</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>%1: %2, %3 % %4</source>
        <translation>%1: %2, %3 % %4</translation>
    </message>
</context>
<context>
    <name>vistaro::HeightFields</name>
    <message>
        <source>The height above the floor where it starts to block sight</source>
        <translation>Die Höhe über dem Boden, ab der es die Sicht versperrt</translation>
    </message>
    <message>
        <source>The height above the floor where it stops blocking sight</source>
        <translation>Die Höhe über dem Boden, bis zu der es die Sicht versperrt</translation>
    </message>
    <message>
        <source>To the &amp;ceiling</source>
        <translation>Bis zur &amp;Decke</translation>
    </message>
    <message>
        <source>To the ceiling</source>
        <translation>Bis zur Decke</translation>
    </message>
    <message>
        <source>&amp;Bottom (%1):</source>
        <translation>&amp;Unterkante (%1):</translation>
    </message>
    <message>
        <source>&amp;Top (%1):</source>
        <translation>&amp;Oberkante (%1):</translation>
    </message>
</context>
<context>
    <name>vistaro::LensFinder</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Lens finder</source>
        <translation>Objektivsuche</translation>
    </message>
    <message>
        <source>&amp;Name or remark:</source>
        <translation>&amp;Name oder Hinweis:</translation>
    </message>
    <message>
        <source>part of the name or remark</source>
        <translation>Teil des Namens oder Hinweises</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Alle Typen</translation>
    </message>
    <message>
        <source>&amp;Only lenses that fit</source>
        <translation>Nur &amp;passende Objektive</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Selected type (%1)</source>
        <translation>Gewählter Typ (%1)</translation>
    </message>
    <message>
        <source>%1 of %2 lenses</source>
        <translation>%1 von %2 Objektiven</translation>
    </message>
    <message>
        <source>Lenses</source>
        <translation>Objektive</translation>
    </message>
</context>
<context>
    <name>vistaro::LensTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Min. focus (m)</source>
        <translation>Min. Fokus (m)</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Datenblatt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The catalogue names no datasheet for this lens.</source>
        <translation>Der Katalog nennt für dieses Objektiv kein Datenblatt.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>fits</source>
        <translation>passt</translation>
    </message>
    <message>
        <source>does not fit</source>
        <translation>passt nicht</translation>
    </message>
    <message>
        <source>cannot be told</source>
        <translation>nicht feststellbar</translation>
    </message>
</context>
<context>
    <name>vistaro::LevelSetDialog</name>
    <message>
        <source>Level sets of your own</source>
        <translation>Eigene Stufensätze</translation>
    </message>
    <message>
        <source>Your level sets</source>
        <translation>Ihre Stufensätze</translation>
    </message>
    <message>
        <source>Name of the level set</source>
        <translation>Name des Stufensatzes</translation>
    </message>
    <message>
        <source>Unit of the densities</source>
        <translation>Einheit der Dichten</translation>
    </message>
    <message>
        <source>Levels, lowest first</source>
        <translation>Stufen, die niedrigste zuerst</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Neuer Satz</translation>
    </message>
    <message>
        <source>Remove set</source>
        <translation>Satz entfernen</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Add level</source>
        <translation>Stufe hinzufügen</translation>
    </message>
    <message>
        <source>Remove level</source>
        <translation>Stufe entfernen</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Einheit</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be kept: %2</source>
        <translation>Der Stufensatz „%1“ kann nicht übernommen werden: %2</translation>
    </message>
    <message>
        <source>There is a level set named &quot;%1&quot; already.</source>
        <translation>Es gibt bereits einen Stufensatz namens „%1“.</translation>
    </message>
    <message>
        <source>Import a level set</source>
        <translation>Stufensatz importieren</translation>
    </message>
    <message>
        <source>Level sets (*.json)</source>
        <translation>Stufensätze (*.json)</translation>
    </message>
    <message>
        <source>Export the level set</source>
        <translation>Stufensatz exportieren</translation>
    </message>
</context>
<context>
    <name>vistaro::LevelSetFile</name>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>keine positive Zahl</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>größer als %1</translation>
    </message>
    <message>
        <source>a name is expected</source>
        <translation>ein Name wird erwartet</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no level set this program knows</source>
        <translation>„%1“ ist kein Stufensatz, den dieses Programm kennt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;px/m&quot; nor &quot;px/ft&quot;</source>
        <translation>„%1“ ist weder „px/m“ noch „px/ft“</translation>
    </message>
    <message>
        <source>a list of 1 to %1 levels is expected</source>
        <translation>eine Liste von 1 bis %1 Stufen wird erwartet</translation>
    </message>
    <message>
        <source>larger than %1 KiB, more than any level set needs</source>
        <translation>größer als %1 KiB, mehr als jeder Stufensatz braucht</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>not a Vistaro level set file</source>
        <translation>keine Vistaro-Stufensatzdatei</translation>
    </message>
    <message>
        <source>a version this program does not read</source>
        <translation>eine Version, die dieses Programm nicht liest</translation>
    </message>
</context>
<context>
    <name>vistaro::Obbiettivi</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Coverage...</source>
        <translation>&amp;Abdeckung...</translation>
    </message>
    <message>
        <source>Lens &amp;finder...</source>
        <translation>&amp;Objektivsuche...</translation>
    </message>
    <message>
        <source>About Vistaro</source>
        <translation>Über Vistaro</translation>
    </message>
    <message>
        <source>&amp;Site plan...</source>
        <translation>&amp;Lageplan...</translation>
    </message>
    <message>
        <source>Focal length in mm</source>
        <translation>Brennweite in mm</translation>
    </message>
    <message>
        <source>Distance to the scene in m</source>
        <translation>Entfernung zur Szene in m</translation>
    </message>
    <message>
        <source>Scene width in m</source>
        <translation>Szenenbreite in m</translation>
    </message>
    <message>
        <source>Scene height in m</source>
        <translation>Szenenhöhe in m</translation>
    </message>
    <message>
        <source>%1, tele end</source>
        <translation>%1, Teleende</translation>
    </message>
    <message>
        <source>%1, wide end</source>
        <translation>%1, Weitwinkelende</translation>
    </message>
    <message>
        <source>%1 inch sensor</source>
        <translation>%1-Zoll-Sensor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Shows the catalogue&apos;s lenses that fit the focal length, sensor and iris chosen</source>
        <translation>Zeigt die Objektive des Katalogs, die zu Brennweite, Sensor und Blende passen</translation>
    </message>
</context>
<context>
    <name>vistaro::ObstaclePanel</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>vistaro::ObstacleTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Geschoss</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unterkante</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oberkante</translation>
    </message>
</context>
<context>
    <name>vistaro::PdfViewer</name>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Breite einpassen</translation>
    </message>
    <message>
        <source>Fit to the width</source>
        <translation>An die Breite anpassen</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Seite einpassen</translation>
    </message>
    <message>
        <source>Show a whole page</source>
        <translation>Eine ganze Seite zeigen</translation>
    </message>
    <message>
        <source>This datasheet cannot be displayed.</source>
        <translation>Dieses Datenblatt kann nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 Seiten</translation>
    </message>
    <message>
        <source>Datasheet pages</source>
        <translation>Seiten des Datenblatts</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanImport</name>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The PDF is protected by a password.</source>
        <translation>Das PDF ist durch ein Passwort geschützt.</translation>
    </message>
    <message>
        <source>It is not a PDF that can be read.</source>
        <translation>Es ist kein lesbares PDF.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>Drawing units</source>
        <translation>Zeichnungseinheiten</translation>
    </message>
    <message>
        <source>The drawing %1 does not say in which units it is drawn. Its units are:</source>
        <translation>Die Zeichnung %1 gibt nicht an, in welchen Einheiten sie gezeichnet ist. Ihre Einheiten sind:</translation>
    </message>
    <message>
        <source>PDF plan</source>
        <translation>PDF-Plan</translation>
    </message>
    <message>
        <source>Page to show (1 to %1):</source>
        <translation>Anzuzeigende Seite (1 bis %1):</translation>
    </message>
    <message>
        <source>Resolution to render the page at (dpi):</source>
        <translation>Auflösung, mit der die Seite gerendert wird (dpi):</translation>
    </message>
    <message>
        <source>The drawing holds nothing to draw.</source>
        <translation>Die Zeichnung enthält nichts zu zeichnen.</translation>
    </message>
    <message>
        <source>The PDF has no page %1.</source>
        <translation>Das PDF hat keine Seite %1.</translation>
    </message>
    <message>
        <source>At %1 dpi page %2 would take %3 megapixels, more than the %4 a plan may take. Choose a lower resolution.</source>
        <translation>Bei %1 dpi hätte Seite %2 %3 Megapixel, mehr als die %4, die ein Plan haben darf. Wählen Sie eine niedrigere Auflösung.</translation>
    </message>
    <message>
        <source>Page %1 cannot be rendered.</source>
        <translation>Seite %1 kann nicht gerendert werden.</translation>
    </message>
    <message>
        <source>The drawing holds nothing to draw: %1.</source>
        <translation>Die Zeichnung enthält nichts zu zeichnen: %1.</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanTool</name>
    <message>
        <source>Click the wall&apos;s corners; double-click or Enter ends it, Esc cancels.</source>
        <translation>Klicken Sie auf die Ecken der Wand; Doppelklick oder Eingabe beendet sie, Esc bricht ab.</translation>
    </message>
    <message>
        <source>Click the area&apos;s corners; double-click or Enter closes it, Esc cancels.</source>
        <translation>Klicken Sie auf die Ecken des Bereichs; Doppelklick oder Eingabe schließt ihn, Esc bricht ab.</translation>
    </message>
    <message>
        <source>Click two points of the background whose distance you know; Esc cancels.</source>
        <translation>Klicken Sie auf zwei Punkte des Hintergrunds, deren Abstand Sie kennen; Esc bricht ab.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 unter %2</translation>
    </message>
    <message>
        <source>Measured: %1. Click to measure again, Esc clears.</source>
        <translation>Gemessen: %1. Klicken Sie, um erneut zu messen, Esc löscht.</translation>
    </message>
    <message>
        <source>Click two points to measure between them; Esc ends.</source>
        <translation>Klicken Sie auf zwei Punkte, um zwischen ihnen zu messen; Esc beendet.</translation>
    </message>
    <message>
        <source>Click the corners of the site&apos;s boundary, which replaces the one before; double-click or Enter closes it, Esc cancels.</source>
        <translation>Klicken Sie auf die Ecken der Geländegrenze, die die vorherige ersetzt; Doppelklick oder Eingabe schließt sie, Esc bricht ab.</translation>
    </message>
    <message>
        <source>Click where the camera goes; Enter puts one mid-view, Esc ends.</source>
        <translation>Klicken Sie dorthin, wo die Kamera hin soll; Eingabe setzt eine in die Mitte der Ansicht, Esc beendet.</translation>
    </message>
    <message>
        <source>Click the obstacle&apos;s corners, as seen from above; double-click or Enter closes it, Esc cancels.</source>
        <translation>Klicken Sie auf die Ecken des Hindernisses, von oben gesehen; Doppelklick oder Eingabe schließt es, Esc bricht ab.</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanView</name>
    <message>
        <source>Tab selects the next item, Ctrl+Tab leaves the plan; the arrows move the selection (Shift: ten times as far); [ and ] or Ctrl+Left and Ctrl+Right turn a camera (Shift: 45°); , and . pick a point of a wall or an area, which the arrows then move and Delete removes; Esc drops the point.</source>
        <translation>Tab wählt das nächste Element, Strg+Tab verlässt den Plan; die Pfeiltasten verschieben die Auswahl (Umschalt: zehnmal so weit); [ und ] oder Strg+Links und Strg+Rechts drehen eine Kamera (Umschalt: 45°); , und . wählen einen Punkt einer Wand oder Fläche, den die Pfeiltasten dann verschieben und Entf entfernt; Esc gibt den Punkt frei.</translation>
    </message>
</context>
<context>
    <name>vistaro::Preview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;JPEG quality</source>
        <translation>&amp;JPEG-Qualität</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>&amp;Night noise</source>
        <translation>&amp;Nachtrauschen</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Test chart...</source>
        <translation>&amp;Testtafel...</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>JPEG-Qualität</translation>
    </message>
    <message>
        <source>Night noise</source>
        <translation>Nachtrauschen</translation>
    </message>
    <message>
        <source>Test chart paper</source>
        <translation>Papier der Testtafel</translation>
    </message>
    <message>
        <source>Copy the preview</source>
        <translation>Vorschau kopieren</translation>
    </message>
    <message>
        <source>Save the preview as a picture</source>
        <translation>Vorschau als Bild speichern</translation>
    </message>
    <message>
        <source>Save the test chart as PDF</source>
        <translation>Testtafel als PDF speichern</translation>
    </message>
    <message>
        <source>What the camera shows</source>
        <translation>Was die Kamera zeigt</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Save the test chart</source>
        <translation>Testtafel speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Lens blur</source>
        <translation>&amp;Unschärfe des Objektivs</translation>
    </message>
    <message>
        <source>Blurs a target outside the depth of field as the lens, focused at the aim distance, blurs it.</source>
        <translation>Zeichnet ein Ziel außerhalb der Schärfentiefe so unscharf, wie es das auf die Zielentfernung scharfgestellte Objektiv zeigt.</translation>
    </message>
    <message>
        <source>Each picture has the pixels the camera gives the target at that density, each pixel drawn as a square.</source>
        <translation>Jedes Bild hat die Pixel, die die Kamera dem Ziel bei dieser Dichte gibt, jedes Pixel als Quadrat gezeichnet.</translation>
    </message>
    <message>
        <source>Lens blur from the depth of field</source>
        <translation>Unschärfe des Objektivs aus der Schärfentiefe</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation>Vorschau %1</translation>
    </message>
</context>
<context>
    <name>vistaro::ReadProblem</name>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>vistaro::SaveFailure</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>the disk took only part of it</source>
        <translation>der Datenträger hat nur einen Teil davon aufgenommen</translation>
    </message>
</context>
<context>
    <name>vistaro::SeparatorNote</name>
    <message>
        <source>The regional format writes decimals with &quot;%1&quot;, as in %2, not with the &quot;%3&quot; declared. Numbers are still read and shown in the regional format: those on show keep their values, and a &quot;%4&quot; typed from now on is removed as a digit-group mark.</source>
        <translation>Das regionale Format schreibt Dezimalzahlen mit &quot;%1&quot;, wie in %2, nicht mit dem angegebenen &quot;%3&quot;. Zahlen werden weiter im regionalen Format gelesen und angezeigt: Die angezeigten behalten ihren Wert, und ein ab jetzt eingegebenes &quot;%4&quot; wird als Tausendertrennzeichen entfernt.</translation>
    </message>
</context>
<context>
    <name>vistaro::Site</name>
    <message>
        <source>Storey %1</source>
        <translation>Geschoss %1</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteDeliverables</name>
    <message>
        <source>Dead zone</source>
        <translation>Toter Bereich</translation>
    </message>
    <message>
        <source>Area covered</source>
        <translation>Abgedeckter Bereich</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wand</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objektiv</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Brennweite (mm)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Areas</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>Covered (%)</source>
        <translation>Abgedeckt (%)</translation>
    </message>
    <message>
        <source>%1 %2, lens calculator for CCTV cameras</source>
        <translation>%1 %2, Objektivrechner für CCTV-Kameras</translation>
    </message>
    <message>
        <source>Site plan</source>
        <translation>Lageplan</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Aufstellung</translation>
    </message>
    <message>
        <source>the drawing could not be begun</source>
        <translation>die Zeichnung konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Schwenk</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Neigung</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Gewünschte Stufe</translation>
    </message>
    <message>
        <source>Level at aim</source>
        <translation>Stufe am Zielpunkt</translation>
    </message>
    <message>
        <source>Level required</source>
        <translation>Geforderte Stufe</translation>
    </message>
    <message>
        <source>Required (%)</source>
        <translation>Gefordert (%)</translation>
    </message>
    <message>
        <source>Met</source>
        <translation>Erfüllt</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Planer</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Areas to cover</source>
        <translation>Zu überwachende Bereiche</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>%1: %2 % covered, %3 % required at %4</source>
        <translation>%1: %2 % abgedeckt, %3 % gefordert mit Stufe %4</translation>
    </message>
    <message>
        <source>Not met</source>
        <translation>Nicht erfüllt</translation>
    </message>
    <message>
        <source>Areas met</source>
        <translation>Erfüllte Bereiche</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Scale 1:%1</source>
        <translation>Maßstab 1:%1</translation>
    </message>
    <message>
        <source>Scale 1:%1 on %2</source>
        <translation>Maßstab 1:%1 auf %2</translation>
    </message>
    <message>
        <source>Area met (%1, solid outline)</source>
        <translation>Bereich erfüllt (%1, durchgezogener Umriss)</translation>
    </message>
    <message>
        <source>Area not met (%1, dashed outline)</source>
        <translation>Bereich nicht erfüllt (%1, gestrichelter Umriss)</translation>
    </message>
    <message>
        <source>the site is too large for a drawing at 1:%1</source>
        <translation>das Gelände ist zu groß für eine Zeichnung im Maßstab 1:%1</translation>
    </message>
    <message>
        <source>Site plan, 1:%1</source>
        <translation>Lageplan, 1:%1</translation>
    </message>
    <message>
        <source>Coverage of the site&apos;s cameras at 1:%3, in metres, x to the east and y to the south of the plan&apos;s point %1 m east, %2 m north</source>
        <translation>Abdeckung der Kameras des Geländes im Maßstab 1:%3, in Metern, x nach Osten und y nach Süden ab dem Punkt des Plans %1 m Ost, %2 m Nord</translation>
    </message>
    <message>
        <source>Camera coverage of the site</source>
        <translation>Kameraabdeckung des Geländes</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Gewünscht</translation>
    </message>
    <message>
        <source>Reached at the aim</source>
        <translation>Am Zielpunkt erreicht</translation>
    </message>
    <message>
        <source>On the plan</source>
        <translation>Im Plan</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Geschoss</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Hindernis</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteExports</name>
    <message>
        <source>&amp;Export report as PDF...</source>
        <translation>Bericht als PDF &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print report...</source>
        <translation>Bericht &amp;drucken...</translation>
    </message>
    <message>
        <source>Export sc&amp;hedule as CSV...</source>
        <translation>&amp;Aufstellung als CSV exportieren...</translation>
    </message>
    <message>
        <source>Export coverage as &amp;DXF...</source>
        <translation>Abdeckung als &amp;DXF exportieren...</translation>
    </message>
    <message>
        <source>Export coverage as S&amp;VG...</source>
        <translation>Abdeckung als S&amp;VG exportieren...</translation>
    </message>
    <message>
        <source>Site plan</source>
        <translation>Lageplan</translation>
    </message>
    <message>
        <source>Export the site report</source>
        <translation>Bericht des Geländes exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Export the schedule</source>
        <translation>Aufstellung exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export the coverage as DXF</source>
        <translation>Abdeckung als DXF exportieren</translation>
    </message>
    <message>
        <source>DXF drawings (*.dxf)</source>
        <translation>DXF-Zeichnungen (*.dxf)</translation>
    </message>
    <message>
        <source>Export the coverage as SVG</source>
        <translation>Abdeckung als SVG exportieren</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Bericht wird geschrieben...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>Bericht des Geländes</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteFile</name>
    <message>
        <source>a number is expected</source>
        <translation>eine Zahl wird erwartet</translation>
    </message>
    <message>
        <source>a text is expected</source>
        <translation>ein Text wird erwartet</translation>
    </message>
    <message>
        <source>true or false is expected</source>
        <translation>true oder false wird erwartet</translation>
    </message>
    <message>
        <source>an object is expected</source>
        <translation>ein Objekt wird erwartet</translation>
    </message>
    <message>
        <source>a list is expected</source>
        <translation>eine Liste wird erwartet</translation>
    </message>
    <message>
        <source>not within %1 to %2</source>
        <translation>nicht zwischen %1 und %2</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>keine positive Zahl</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>größer als %1</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>a list of two numbers is expected</source>
        <translation>eine Liste aus zwei Zahlen wird erwartet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation>&quot;%1&quot; ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>more than the %1 items this program reads</source>
        <translation>mehr als die %1 Einträge, die dieses Programm liest</translation>
    </message>
    <message>
        <source>%1 points in all, more than the %2 this program reads</source>
        <translation>insgesamt %1 Punkte, mehr als die %2, die dieses Programm liest</translation>
    </message>
    <message>
        <source>%1 points or more are expected</source>
        <translation>%1 oder mehr Punkte werden erwartet</translation>
    </message>
    <message>
        <source>missing: a camera is aimed at a target height or by a tilt</source>
        <translation>fehlt: eine Kamera wird auf eine Zielhöhe oder mit einer Neigung ausgerichtet</translation>
    </message>
    <message>
        <source>the same point as &quot;from&quot;</source>
        <translation>derselbe Punkt wie &quot;from&quot;</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>not &quot;vistaro-site&quot;: this is not a Vistaro site file</source>
        <translation>nicht &quot;vistaro-site&quot;: dies ist keine Vistaro-Standortdatei</translation>
    </message>
    <message>
        <source>%1 is newer than this program reads (version %2)</source>
        <translation>%1 ist neuer, als dieses Programm lesen kann (Version %2)</translation>
    </message>
    <message>
        <source>%1 is no version of the site file</source>
        <translation>%1 ist keine Version der Standortdatei</translation>
    </message>
    <message>
        <source>not JSON: %1 on line %2</source>
        <translation>kein JSON: %1 in Zeile %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>larger than %1 MiB, more than any site needs</source>
        <translation>größer als %1 MiB, mehr als ein Standort je braucht</translation>
    </message>
    <message>
        <source>below the bottom, %1</source>
        <translation>unter der Unterkante, %1</translation>
    </message>
    <message>
        <source>at the elevation of storeys[%1]</source>
        <translation>auf der Höhenlage von storeys[%1]</translation>
    </message>
    <message>
        <source>one storey or more is expected</source>
        <translation>ein oder mehr Geschosse werden erwartet</translation>
    </message>
    <message>
        <source>the first storey has a background of its own</source>
        <translation>das erste Geschoss hat einen eigenen Hintergrund</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteFileController</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The site plan %1 has changes that are not saved. Save them?</source>
        <translation>Der Lageplan %1 hat ungespeicherte Änderungen. Speichern?</translation>
    </message>
    <message>
        <source>Open site plan</source>
        <translation>Lageplan öffnen</translation>
    </message>
    <message>
        <source>Site plans (*.vistaro)</source>
        <translation>Lagepläne (*.vistaro)</translation>
    </message>
    <message>
        <source>Save site plan</source>
        <translation>Lageplan speichern</translation>
    </message>
    <message>
        <source>The unsaved site plan kept when Vistaro last ended cannot be restored. %1</source>
        <translation>Der ungespeicherte Lageplan, der beim letzten Beenden von Vistaro aufbewahrt wurde, kann nicht wiederhergestellt werden. %1</translation>
    </message>
    <message>
        <source>Vistaro did not end normally while the site plan %1 had changes that were not saved. Restore them?</source>
        <translation>Vistaro wurde nicht normal beendet, während der Lageplan %1 ungespeicherte Änderungen hatte. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePlan</name>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Move camera</source>
        <translation>Kamera verschieben</translation>
    </message>
    <message>
        <source>Turn camera</source>
        <translation>Kamera drehen</translation>
    </message>
    <message>
        <source>Change camera</source>
        <translation>Kamera ändern</translation>
    </message>
    <message>
        <source>Change wall</source>
        <translation>Wand ändern</translation>
    </message>
    <message>
        <source>Change area</source>
        <translation>Bereich ändern</translation>
    </message>
    <message>
        <source>Move background</source>
        <translation>Hintergrund verschieben</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] - Site plan</source>
        <translation>%1[*] - Lageplan</translation>
    </message>
    <message>
        <source>East %1, north %2</source>
        <translation>Ost %1, Nord %2</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Add camera</source>
        <translation>Kamera hinzufügen</translation>
    </message>
    <message>
        <source>Add wall</source>
        <translation>Wand hinzufügen</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Add area</source>
        <translation>Bereich hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Kameras</translation>
    </message>
    <message>
        <source>Areas</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>WIDE</source>
        <translation>WIDE</translation>
    </message>
    <message>
        <source>TELE</source>
        <translation>TELE</translation>
    </message>
    <message>
        <source>Preview: %1</source>
        <translation>Vorschau: %1</translation>
    </message>
    <message>
        <source>Level set %1</source>
        <translation>Stufensatz %1</translation>
    </message>
    <message>
        <source>Move boundary</source>
        <translation>Geländegrenze verschieben</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Draw boundary</source>
        <translation>Geländegrenze zeichnen</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Delete boundary</source>
        <translation>Geländegrenze löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Site properties</source>
        <translation>Eigenschaften des Geländes</translation>
    </message>
    <message>
        <source>Change obstacle</source>
        <translation>Hindernis ändern</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Hindernisse</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Hindernis</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wand</translation>
    </message>
    <message>
        <source>This storey only</source>
        <translation>Nur dieses Geschoss</translation>
    </message>
    <message>
        <source>Tables of this storey only</source>
        <translation>Tabellen nur dieses Geschosses</translation>
    </message>
    <message>
        <source>Add obstacle</source>
        <translation>Hindernis hinzufügen</translation>
    </message>
    <message>
        <source>Copy to storeys</source>
        <translation>In Geschosse kopieren</translation>
    </message>
    <message>
        <source>The clipboard holds no cameras, walls, areas or obstacles.</source>
        <translation>Die Zwischenablage enthält keine Kameras, Wände, Bereiche oder Hindernisse.</translation>
    </message>
    <message>
        <source>Storeys</source>
        <translation>Geschosse</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePlanActions</name>
    <message>
        <source>Show %1 band</source>
        <translation>Band %1 zeigen</translation>
    </message>
    <message>
        <source>Level set of the site</source>
        <translation>Stufensatz des Geländes</translation>
    </message>
    <message>
        <source>The levels the site&apos;s cameras and areas are judged by</source>
        <translation>Die Stufen, nach denen Kameras und Bereiche des Geländes beurteilt werden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Site plan tools</source>
        <translation>Werkzeuge des Lageplans</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;New site</source>
        <translation>&amp;Neuer Lageplan</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
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
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Du&amp;plicate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Kamera</translation>
    </message>
    <message>
        <source>&amp;Wall</source>
        <translation>&amp;Wand</translation>
    </message>
    <message>
        <source>&amp;Area to cover</source>
        <translation>&amp;Zu überwachender Bereich</translation>
    </message>
    <message>
        <source>&amp;Floor plan (picture, DXF, PDF)...</source>
        <translation>&amp;Grundriss (Bild, DXF, PDF)...</translation>
    </message>
    <message>
        <source>Background &amp;scale...</source>
        <translation>Hintergrund&amp;maßstab...</translation>
    </message>
    <message>
        <source>Zoom to &amp;fit</source>
        <translation>&amp;Alles zeigen</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Show &amp;background</source>
        <translation>&amp;Hintergrund zeigen</translation>
    </message>
    <message>
        <source>&amp;Dim background</source>
        <translation>Hintergrund ab&amp;dunkeln</translation>
    </message>
    <message>
        <source>&amp;Lock background</source>
        <translation>Hintergrund &amp;sperren</translation>
    </message>
    <message>
        <source>Drawing &amp;layers...</source>
        <translation>&amp;Ebenen der Zeichnung...</translation>
    </message>
    <message>
        <source>Show dead &amp;zones</source>
        <translation>&amp;Tote Zonen zeigen</translation>
    </message>
    <message>
        <source>Site &amp;properties...</source>
        <translation>Eigenschaften des &amp;Geländes...</translation>
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
        <source>Pa&amp;ste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Site &amp;boundary</source>
        <translation>G&amp;eländegrenze</translation>
    </message>
    <message>
        <source>Best level</source>
        <translation>Beste Stufe</translation>
    </message>
    <message>
        <source>Each camera</source>
        <translation>Jede Kamera</translation>
    </message>
    <message>
        <source>Wanted level</source>
        <translation>Gewünschte Stufe</translation>
    </message>
    <message>
        <source>Plan shows</source>
        <translation>Plan zeigt</translation>
    </message>
    <message>
        <source>The best level any camera meets at each point, each camera&apos;s own bands, or where each camera meets the level it is wanted at</source>
        <translation>Die beste Stufe, die irgendeine Kamera an jedem Punkt erreicht, die eigenen Bänder jeder Kamera oder wo jede Kamera die für sie gewünschte Stufe erreicht</translation>
    </message>
    <message>
        <source>S&amp;nap to walls and grid</source>
        <translation>Ein&amp;rasten an Wänden und Raster</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Messen</translation>
    </message>
    <message>
        <source>Points snap to wall corners, wall lines and the grid; Alt held turns it off while held.</source>
        <translation>Punkte rasten an Wandecken, Wandlinien und am Raster ein; solange Alt gedrückt gehalten wird, ist das Einrasten aus.</translation>
    </message>
    <message>
        <source>Sto&amp;reys...</source>
        <translation>Gesch&amp;osse...</translation>
    </message>
    <message>
        <source>Copy to Sto&amp;reys...</source>
        <translation>In &amp;Geschosse kopieren...</translation>
    </message>
    <message>
        <source>Copies the selected items, or every item of the storey on show when none is selected, to the storeys chosen</source>
        <translation>Kopiert die ausgewählten Elemente oder, wenn keines ausgewählt ist, alle Elemente des angezeigten Geschosses in die gewählten Geschosse</translation>
    </message>
    <message>
        <source>&amp;Obstacle</source>
        <translation>&amp;Hindernis</translation>
    </message>
    <message>
        <source>Storey &amp;up</source>
        <translation>Geschoss nach &amp;oben</translation>
    </message>
    <message>
        <source>Storey do&amp;wn</source>
        <translation>Geschoss nach &amp;unten</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Geschoss</translation>
    </message>
    <message>
        <source>The storey on show: its items and its floor plan, the storey below faint underneath</source>
        <translation>Das angezeigte Geschoss: seine Elemente und sein Grundriss, blass unterlegt das Geschoss darunter</translation>
    </message>
    <message>
        <source>View from ca&amp;mera</source>
        <translation>Ansicht aus der Kam&amp;era</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePropertiesDialog</name>
    <message>
        <source>Site properties</source>
        <translation>Eigenschaften des Geländes</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Projekt:</translation>
    </message>
    <message>
        <source>&amp;Client:</source>
        <translation>&amp;Kunde:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Designer:</source>
        <translation>P&amp;laner:</translation>
    </message>
    <message>
        <source>Co&amp;mpany:</source>
        <translation>&amp;Firma:</translation>
    </message>
    <message>
        <source>&amp;Revision:</source>
        <translation>&amp;Revision:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
    <message>
        <source>Reference point, &amp;east (m):</source>
        <translation>Bezugspunkt, &amp;Ost (m):</translation>
    </message>
    <message>
        <source>Reference point, n&amp;orth (m):</source>
        <translation>Bezugspunkt, Nor&amp;d (m):</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteRecovery</name>
    <message>
        <source>Unsaved changes are not copied for recovery: another Vistaro keeps its copy in %1.</source>
        <translation>Ungespeicherte Änderungen werden nicht zur Wiederherstellung kopiert: ein anderes Vistaro bewahrt seine Kopie in %1 auf.</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be written.</source>
        <translation>Die Wiederherstellungskopie %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>vistaro::StoreysDialog</name>
    <message>
        <source>Storeys</source>
        <translation>Geschosse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>A storey needs a height: %1 has none.</source>
        <translation>Ein Geschoss braucht eine Höhe: %1 hat keine.</translation>
    </message>
    <message>
        <source>storey %1</source>
        <translation>Geschoss %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n item(s), which go with it. Remove it?</source>
        <translation>
            <numerusform>%1 enthält %n Element, das mit ihm entfernt wird. Entfernen?</numerusform>
            <numerusform>%1 enthält %n Elemente, die mit ihm entfernt werden. Entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Höhenlage</translation>
    </message>
    <message>
        <source>Floor-to-floor height</source>
        <translation>Geschosshöhe</translation>
    </message>
    <message>
        <source>Two storeys stand at %1: each needs an elevation of its own.</source>
        <translation>Zwei Geschosse liegen auf %1: Jedes braucht eine eigene Höhenlage.</translation>
    </message>
</context>
<context>
    <name>vistaro::VerdictReasons</name>
    <message>
        <source>Unknown: %1</source>
        <translation>Unbekannt: %1</translation>
    </message>
    <message>
        <source>Focal</source>
        <translation>Brennweite</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Blende</translation>
    </message>
    <message>
        <source>Covers sensor</source>
        <translation>Deckt Sensor ab</translation>
    </message>
    <message>
        <source>Focuses</source>
        <translation>Fokussiert</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Passt</translation>
    </message>
    <message>
        <source>no search serves the lens type &quot;%1&quot;</source>
        <translation>keine Suche gilt dem Objektivtyp &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the wanted focal length &quot;%1&quot; cannot be read</source>
        <translation>die gewünschte Brennweite &quot;%1&quot; ist nicht lesbar</translation>
    </message>
    <message>
        <source>the focal length &quot;%1&quot; cannot be read</source>
        <translation>die Brennweite &quot;%1&quot; ist nicht lesbar</translation>
    </message>
    <message>
        <source>the longest focal length &quot;%1&quot; cannot be read</source>
        <translation>die längste Brennweite &quot;%1&quot; ist nicht lesbar</translation>
    </message>
    <message>
        <source>%1 mm is not longer than the wanted %2 mm</source>
        <translation>%1 mm ist nicht länger als die gewünschten %2 mm</translation>
    </message>
    <message>
        <source>%1 mm is longer than the wanted %2 mm</source>
        <translation>%1 mm ist länger als die gewünschten %2 mm</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies within %2-%3 mm</source>
        <translation>die gewünschten %1 mm liegen in %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies outside %2-%3 mm</source>
        <translation>die gewünschten %1 mm liegen außerhalb von %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted tele focal length &quot;%1&quot; cannot be read</source>
        <translation>die gewünschte Tele-Brennweite &quot;%1&quot; ist nicht lesbar</translation>
    </message>
    <message>
        <source>%1-%2 mm reaches the wanted %3-%4 mm</source>
        <translation>%1-%2 mm erreicht die gewünschten %3-%4 mm</translation>
    </message>
    <message>
        <source>%1-%2 mm does not reach the wanted %3-%4 mm</source>
        <translation>%1-%2 mm erreicht die gewünschten %3-%4 mm nicht</translation>
    </message>
    <message>
        <source>iris %1, as selected</source>
        <translation>Blende %1, wie gewählt</translation>
    </message>
    <message>
        <source>iris %1; %2 is selected</source>
        <translation>Blende %1; gewählt ist %2</translation>
    </message>
    <message>
        <source>the catalogue gives no iris control</source>
        <translation>der Katalog nennt keine Blendensteuerung</translation>
    </message>
    <message>
        <source>the lens has no name, whose first letter tells the sensor format</source>
        <translation>das Objektiv hat keinen Namen, dessen erster Buchstabe das Sensorformat angibt</translation>
    </message>
    <message>
        <source>the name&apos;s first letter &quot;%1&quot; tells no sensor format</source>
        <translation>der erste Buchstabe des Namens &quot;%1&quot; nennt kein Sensorformat</translation>
    </message>
    <message>
        <source>the minimum focus distance &quot;%1&quot; cannot be read</source>
        <translation>der kürzeste Fokusabstand &quot;%1&quot; ist nicht lesbar</translation>
    </message>
    <message>
        <source>the distance &quot;%1&quot; cannot be read</source>
        <translation>der Abstand &quot;%1&quot; ist nicht lesbar</translation>
    </message>
    <message>
        <source>the second row&apos;s distance &quot;%1&quot; cannot be read</source>
        <translation>der Abstand der zweiten Zeile &quot;%1&quot; ist nicht lesbar</translation>
    </message>
    <message>
        <source>no minimum focus distance</source>
        <translation>kein kürzester Fokusabstand</translation>
    </message>
    <message>
        <source>focuses from %1 m; the nearest distance is %2 m</source>
        <translation>fokussiert ab %1 m; der kürzeste Abstand ist %2 m</translation>
    </message>
    <message>
        <source>focuses only from %1 m; the nearest distance is %2 m</source>
        <translation>fokussiert erst ab %1 m; der kürzeste Abstand ist %2 m</translation>
    </message>
    <message>
        <source>the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>Sensor oder Bildgröße des Abdeckungsfensters sind nicht verwendbar</translation>
    </message>
    <message>
        <source>no level can be met at %1 m</source>
        <translation>bei %1 m ist keine Stufe erreichbar</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation>passt nicht: %1</translation>
    </message>
    <message>
        <source>cannot be told: %1</source>
        <translation>nicht feststellbar: %1</translation>
    </message>
    <message>
        <source>passes every test</source>
        <translation>besteht jede Prüfung</translation>
    </message>
    <message>
        <source>Type wanted</source>
        <translation>Gewünschter Typ</translation>
    </message>
    <message>
        <source>type %1, as selected</source>
        <translation>Typ %1, wie gewählt</translation>
    </message>
    <message>
        <source>type %1; %2 is selected</source>
        <translation>Typ %1; gewählt ist %2</translation>
    </message>
    <message>
        <source>%1 needs %2 mm or longer at %3 m; this lens reaches %4 mm</source>
        <translation>%1 braucht %2 mm oder mehr bei %3 m; dieses Objektiv erreicht %4 mm</translation>
    </message>
    <message>
        <source>made for %1: its image circle of %2 mm covers the camera&apos;s %3 mm diagonal</source>
        <translation>für %1 gebaut: sein Bildkreis von %2 mm deckt die Diagonale der Kamera von %3 mm ab</translation>
    </message>
    <message>
        <source>made for %1: its image circle of %2 mm is smaller than the camera&apos;s %3 mm diagonal</source>
        <translation>für %1 gebaut: sein Bildkreis von %2 mm ist kleiner als die Diagonale der Kamera von %3 mm</translation>
    </message>
</context>
<context>
    <name>vistaro::frmSceltaLingua</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Language files</source>
        <translation>Sprachdateien</translation>
    </message>
</context>
</TS>
