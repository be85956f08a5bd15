<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CoverageDrawing</name>
    <message>
        <source>tilt %1, vertical %2</source>
        <translation>inclinazione %1, verticale %2</translation>
    </message>
    <message>
        <source>dead zone %1</source>
        <translation>zona cieca %1</translation>
    </message>
    <message>
        <source>far edge %1</source>
        <translation>bordo lontano %1</translation>
    </message>
</context>
<context>
    <name>CoverageReport</name>
    <message>
        <source>Camera</source>
        <translation>Telecamera</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Dimensione pixel</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Area dell&apos;immagine</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Livello voluto</translation>
    </message>
    <message>
        <source>Mounting height</source>
        <translation>Altezza di montaggio</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Altezza del soggetto</translation>
    </message>
    <message>
        <source>Fixed focal length</source>
        <translation>Focale fissa</translation>
    </message>
    <message>
        <source>Aspherical</source>
        <translation>Asferico</translation>
    </message>
    <message>
        <source>Varifocal</source>
        <translation>Varifocale</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Video drive</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Motorised</source>
        <translation>A motore</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Lunghezza focale</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Focal range</source>
        <translation>Gamma focale</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iride</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Apertura (F)</translation>
    </message>
    <message>
        <source>Minimum focus</source>
        <translation>Messa a fuoco minima</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Scheda tecnica</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>What the camera sees</source>
        <translation>Che cosa vede la telecamera</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Camera coverage</source>
        <translation>Copertura della telecamera</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Vista dall&apos;alto</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Vista laterale</translation>
    </message>
    <message>
        <source>%1 %2, lens calculator for CCTV cameras</source>
        <translation>%1 %2, calcolatore di obiettivi per telecamere TVCC</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Copertura</translation>
    </message>
    <message>
        <source>Direct drive (DC)</source>
        <translation>Diretto (DC)</translation>
    </message>
</context>
<context>
    <name>CoverageText</name>
    <message>
        <source>The calculator&apos;s focal length</source>
        <translation>La focale del calcolatore</translation>
    </message>
    <message>
        <source>The calculator&apos;s distance</source>
        <translation>La distanza del calcolatore</translation>
    </message>
    <message>
        <source>The sensor width</source>
        <translation>La larghezza del sensore</translation>
    </message>
    <message>
        <source>The sensor height</source>
        <translation>L&apos;altezza del sensore</translation>
    </message>
    <message>
        <source>The pixel size</source>
        <translation>La dimensione del pixel</translation>
    </message>
    <message>
        <source>The number of columns</source>
        <translation>Il numero di colonne</translation>
    </message>
    <message>
        <source>The number of rows</source>
        <translation>Il numero di righe</translation>
    </message>
    <message>
        <source>The mounting height</source>
        <translation>L&apos;altezza di montaggio</translation>
    </message>
    <message>
        <source>The target height</source>
        <translation>L&apos;altezza del soggetto</translation>
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
        <translation>Rilevamento</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Osservazione</translation>
    </message>
    <message>
        <source>Recognition</source>
        <translation>Riconoscimento</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identificazione</translation>
    </message>
    <message>
        <source>Below detection</source>
        <translation>Sotto il rilevamento</translation>
    </message>
    <message>
        <source>Unbounded (horizon)</source>
        <translation>Illimitato (orizzonte)</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 non è un numero.</translation>
    </message>
    <message>
        <source>%1 must be greater than zero.</source>
        <translation>%1 deve essere maggiore di zero.</translation>
    </message>
    <message>
        <source>%1 is too large: at most %2.</source>
        <translation>%1 è troppo grande: al massimo %2.</translation>
    </message>
    <message>
        <source>The camera is below the target and looks above the horizon: it sees no ground.</source>
        <translation>La telecamera è più in basso del soggetto e guarda sopra l&apos;orizzonte: non vede il suolo.</translation>
    </message>
    <message>
        <source>Tele end: %1</source>
        <translation>Estremo tele: %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Angolo orizzontale</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Angolo verticale</translation>
    </message>
    <message>
        <source>Diagonal angle</source>
        <translation>Angolo diagonale</translation>
    </message>
    <message>
        <source>Scene width</source>
        <translation>Larghezza della scena</translation>
    </message>
    <message>
        <source>Scene height</source>
        <translation>Altezza della scena</translation>
    </message>
    <message>
        <source>Pixel density</source>
        <translation>Densità di pixel</translation>
    </message>
    <message>
        <source>Level reached</source>
        <translation>Livello raggiunto</translation>
    </message>
    <message>
        <source>Detection up to</source>
        <translation>Rilevamento fino a</translation>
    </message>
    <message>
        <source>Observation up to</source>
        <translation>Osservazione fino a</translation>
    </message>
    <message>
        <source>Recognition up to</source>
        <translation>Riconoscimento fino a</translation>
    </message>
    <message>
        <source>Identification up to</source>
        <translation>Identificazione fino a</translation>
    </message>
    <message>
        <source>Needed focal length (%1)</source>
        <translation>Focale necessaria (%1)</translation>
    </message>
    <message>
        <source>Dead zone</source>
        <translation>Zona cieca</translation>
    </message>
    <message>
        <source>Near ground edge</source>
        <translation>Bordo vicino a terra</translation>
    </message>
    <message>
        <source>Far ground edge</source>
        <translation>Bordo lontano a terra</translation>
    </message>
</context>
<context>
    <name>vistaro::CoverageWindow</name>
    <message>
        <source>Coverage</source>
        <translation>Copertura</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Telecamera</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>What the camera sees</source>
        <translation>Che cosa vede la telecamera</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Dimensioni (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Dimensione pixel (µm)</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Columns x rows</source>
        <translation>Colonne x righe</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Livello voluto</translation>
    </message>
    <message>
        <source>Mounting height (%1)</source>
        <translation>Altezza di montaggio (%1)</translation>
    </message>
    <message>
        <source>Target height (%1)</source>
        <translation>Altezza del soggetto (%1)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>The calculator&apos;s format</source>
        <translation>Il formato del calcolatore</translation>
    </message>
    <message>
        <source>Custom size</source>
        <translation>Dimensioni a scelta</translation>
    </message>
    <message>
        <source>Pixel size x resolution</source>
        <translation>Dimensione pixel x risoluzione</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>A scelta</translation>
    </message>
    <message>
        <source>Metric (m, px/m)</source>
        <translation>Metrico (m, px/m)</translation>
    </message>
    <message>
        <source>Imperial (ft, px/ft)</source>
        <translation>Imperiale (ft, px/ft)</translation>
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
        <translation>Usa nel calcolatore</translation>
    </message>
    <message>
        <source>Use in calculator (TELE)</source>
        <translation>Usa nel calcolatore (TELE)</translation>
    </message>
    <message>
        <source>The calculator&apos;s scene sizes are those of its own format, not of this sensor.</source>
        <translation>Le dimensioni della scena nel calcolatore sono quelle del suo formato, non di questo sensore.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Salva come PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>Salva immagine...</translation>
    </message>
    <message>
        <source>Copy image</source>
        <translation>Copia immagine</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Salva il rapporto come PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Non è stato possibile stampare il rapporto su &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Save the views as a picture</source>
        <translation>Salva le viste come immagine</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
</context>
</TS>
