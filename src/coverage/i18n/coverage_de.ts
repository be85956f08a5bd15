<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <source>Below detection</source>
        <translation>Unter Detektion</translation>
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
        <source>Detection up to</source>
        <translation>Detektion bis</translation>
    </message>
    <message>
        <source>Observation up to</source>
        <translation>Beobachtung bis</translation>
    </message>
    <message>
        <source>Recognition up to</source>
        <translation>Erkennung bis</translation>
    </message>
    <message>
        <source>Identification up to</source>
        <translation>Identifizierung bis</translation>
    </message>
    <message>
        <source>Needed focal length (%1)</source>
        <translation>Nötige Brennweite (%1)</translation>
    </message>
    <message>
        <source>Dead zone</source>
        <translation>Toter Bereich</translation>
    </message>
    <message>
        <source>Near ground edge</source>
        <translation>Nahes Bodenende</translation>
    </message>
    <message>
        <source>Far ground edge</source>
        <translation>Fernes Bodenende</translation>
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
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Der Bericht konnte nicht auf „%1“ gedruckt werden.</translation>
    </message>
    <message>
        <source>Save the views as a picture</source>
        <translation>Ansichten als Bild speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
</context>
</TS>
