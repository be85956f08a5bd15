<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>It is not an SVG drawing that can be read.</source>
        <translation>Non è un disegno SVG leggibile.</translation>
    </message>
    <message>
        <source>It is neither a PNG nor a JPEG picture.</source>
        <translation>Non è un&apos;immagine PNG né JPEG.</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1</source>
        <translation>Impossibile leggere l&apos;immagine: %1</translation>
    </message>
</context>
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
    <message>
        <source>at %1</source>
        <translation>a %1</translation>
    </message>
    <message>
        <source>heights x %1</source>
        <translation>altezze x %1</translation>
    </message>
    <message>
        <source>far edge unbounded (horizon)</source>
        <translation>bordo lontano illimitato (orizzonte)</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>nitido</translation>
    </message>
    <message>
        <source>continues</source>
        <translation>continua</translation>
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
    <message>
        <source>Tilt angle</source>
        <translation>Angolo di inclinazione</translation>
    </message>
    <message>
        <source>%1 m, as the catalogue writes it</source>
        <translation>%1 m, come scritto nel catalogo</translation>
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
        <translation>Copertura della telecamera, %1</translation>
    </message>
    <message>
        <source>Camera coverage with %1, %2</source>
        <translation>Copertura della telecamera con %1, %2</translation>
    </message>
    <message>
        <source>What the camera shows</source>
        <translation>Cosa mostra la telecamera</translation>
    </message>
    <message>
        <source>A face, a person, a number plate and bars as the camera&apos;s pixels show them</source>
        <translation>Un volto, una persona, una targa e delle barre come li mostrano i pixel della telecamera</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proiezione</translation>
    </message>
    <message>
        <source>Datasheet angle</source>
        <translation>Angolo della scheda tecnica</translation>
    </message>
    <message>
        <source>F-number (depth of field)</source>
        <translation>Numero F (profondità di campo)</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Cerchio di confusione</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 pixel</translation>
    </message>
    <message>
        <source>Level set</source>
        <translation>Insieme di livelli</translation>
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
        <source>Needed focal length (%1)</source>
        <translation>Focale necessaria (%1)</translation>
    </message>
    <message>
        <source>Far ground edge</source>
        <translation>Bordo lontano a terra</translation>
    </message>
    <message>
        <source>%1 is too small: at least %2.</source>
        <translation>%1 è sotto il minimo: almeno %2.</translation>
    </message>
    <message>
        <source>%1 must be more than %2 and less than %3.</source>
        <translation>%1 deve essere maggiore di %2 e minore di %3.</translation>
    </message>
    <message>
        <source>At this tilt angle the camera looks above the horizon: it sees no ground.</source>
        <translation>Con questa inclinazione la telecamera guarda sopra l&apos;orizzonte: non vede il suolo.</translation>
    </message>
    <message>
        <source>The picture uses %1 of the sensor.</source>
        <translation>L&apos;immagine usa %1 del sensore.</translation>
    </message>
    <message>
        <source>Dead zone (near ground edge)</source>
        <translation>Zona cieca (bordo vicino a terra)</translation>
    </message>
    <message>
        <source>The tilt angle</source>
        <translation>L&apos;angolo di inclinazione</translation>
    </message>
    <message>
        <source>%1 is wider than this lens projection can show.</source>
        <translation>%1 è più ampio di quanto questa proiezione dell&apos;obiettivo possa mostrare.</translation>
    </message>
    <message>
        <source>Pixel density at the centre</source>
        <translation>Densità di pixel al centro</translation>
    </message>
    <message>
        <source>Pixel density at the edge</source>
        <translation>Densità di pixel al bordo</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Nitido da</translation>
    </message>
    <message>
        <source>Sharp up to</source>
        <translation>Nitido fino a</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Infinito</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Distanza iperfocale</translation>
    </message>
    <message>
        <source>The datasheet&apos;s angle</source>
        <translation>L&apos;angolo della scheda tecnica</translation>
    </message>
    <message>
        <source>The F-number</source>
        <translation>Il numero F</translation>
    </message>
    <message>
        <source>The circle of confusion</source>
        <translation>Il cerchio di confusione</translation>
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
        <translation>Sotto %1</translation>
    </message>
    <message>
        <source>%1 up to</source>
        <translation>%1 fino a</translation>
    </message>
    <message>
        <source>EN 62676-4</source>
        <translation>EN 62676-4</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitoraggio</translation>
    </message>
    <message>
        <source>Inspection</source>
        <translation>Ispezione</translation>
    </message>
    <message>
        <source>Share of screen height</source>
        <translation>Quota dell&apos;altezza dello schermo</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Rilevare</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Osservare</translation>
    </message>
    <message>
        <source>Recognise</source>
        <translation>Riconoscere</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identificare</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Ispezionare</translation>
    </message>
    <message>
        <source>Number plates</source>
        <translation>Targhe</translation>
    </message>
    <message>
        <source>Plate readable</source>
        <translation>Targa leggibile</translation>
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
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>Il file supera %1 MiB.</translation>
    </message>
    <message>
        <source>This is a binary DXF file; save the drawing as ASCII DXF.</source>
        <translation>Questo è un file DXF binario; salvare il disegno come DXF ASCII.</translation>
    </message>
    <message>
        <source>This is a DWG drawing; save it as a DXF file.</source>
        <translation>Questo è un disegno DWG; salvarlo come file DXF.</translation>
    </message>
    <message>
        <source>Line %1 is too long for a DXF drawing.</source>
        <translation>La riga %1 è troppo lunga per un disegno DXF.</translation>
    </message>
    <message>
        <source>Line %1 announces %2 points, more than the file can hold.</source>
        <translation>La riga %1 annuncia %2 punti, più di quanti il file possa contenere.</translation>
    </message>
    <message>
        <source>Line %1 holds no number.</source>
        <translation>La riga %1 non contiene un numero.</translation>
    </message>
    <message>
        <source>The drawing has more than %1 entities.</source>
        <translation>Il disegno ha più di %1 entità.</translation>
    </message>
    <message>
        <source>The drawing has more than %1 polyline vertices.</source>
        <translation>Il disegno ha più di %1 vertici di polilinea.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the drawing.</source>
        <translation>Memoria insufficiente per leggere il disegno.</translation>
    </message>
    <message>
        <source>The drawing is damaged.</source>
        <translation>Il disegno è danneggiato.</translation>
    </message>
    <message>
        <source>This is not a DXF drawing.</source>
        <translation>Questo non è un disegno DXF.</translation>
    </message>
    <message>
        <source>The drawing ends early: the file may be cut short.</source>
        <translation>Il disegno termina prima del previsto: il file potrebbe essere troncato.</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>Impossibile aprire &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>è una cartella.</translation>
    </message>
    <message>
        <source>a point of the plan is not a number or lies farther than 10 000 km</source>
        <translation>un punto della planimetria non è un numero o dista più di 10 000 km</translation>
    </message>
    <message>
        <source>the drawing could not be put together in a temporary folder</source>
        <translation>non è stato possibile comporre il disegno in una cartella temporanea</translation>
    </message>
</context>
<context>
    <name>DxfSummary</name>
    <message>
        <source>%n 3D face not drawn</source>
        <translation>%n faccia 3D non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n 3D faces not drawn</source>
        <translation>
            <numerusform>%n faccia 3D non disegnata</numerusform>
            <numerusform>%n facce 3D non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n 3D solid not drawn</source>
        <translation>%n solido 3D non disegnato</translation>
    </message>
    <message numerus="yes">
        <source>%n 3D solids not drawn</source>
        <translation>
            <numerusform>%n solido 3D non disegnato</numerusform>
            <numerusform>%n solidi 3D non disegnati</numerusform>
        </translation>
    </message>
    <message>
        <source>%n proxy entity not drawn</source>
        <translation>%n entità proxy non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n proxy entities not drawn</source>
        <translation>
            <numerusform>%n entità proxy non disegnata</numerusform>
            <numerusform>%n entità proxy non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n table not drawn</source>
        <translation>%n tabella non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n tables not drawn</source>
        <translation>
            <numerusform>%n tabella non disegnata</numerusform>
            <numerusform>%n tabelle non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n body not drawn</source>
        <translation>%n corpo non disegnato</translation>
    </message>
    <message numerus="yes">
        <source>%n bodies not drawn</source>
        <translation>
            <numerusform>%n corpo non disegnato</numerusform>
            <numerusform>%n corpi non disegnati</numerusform>
        </translation>
    </message>
    <message>
        <source>%n underlay not drawn</source>
        <translation>%n sottoposto non disegnato</translation>
    </message>
    <message numerus="yes">
        <source>%n underlays not drawn</source>
        <translation>
            <numerusform>%n sottoposto non disegnato</numerusform>
            <numerusform>%n sottoposti non disegnati</numerusform>
        </translation>
    </message>
    <message>
        <source>%n image not drawn</source>
        <translation>%n immagine non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n images not drawn</source>
        <translation>
            <numerusform>%n immagine non disegnata</numerusform>
            <numerusform>%n immagini non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n light not drawn</source>
        <translation>%n luce non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n lights not drawn</source>
        <translation>
            <numerusform>%n luce non disegnata</numerusform>
            <numerusform>%n luci non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n mesh not drawn</source>
        <translation>%n mesh non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n meshes not drawn</source>
        <translation>
            <numerusform>%n mesh non disegnata</numerusform>
            <numerusform>%n mesh non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n embedded object not drawn</source>
        <translation>%n oggetto incorporato non disegnato</translation>
    </message>
    <message numerus="yes">
        <source>%n embedded objects not drawn</source>
        <translation>
            <numerusform>%n oggetto incorporato non disegnato</numerusform>
            <numerusform>%n oggetti incorporati non disegnati</numerusform>
        </translation>
    </message>
    <message>
        <source>%n ray not drawn</source>
        <translation>%n raggio non disegnato</translation>
    </message>
    <message numerus="yes">
        <source>%n rays not drawn</source>
        <translation>
            <numerusform>%n raggio non disegnato</numerusform>
            <numerusform>%n raggi non disegnati</numerusform>
        </translation>
    </message>
    <message>
        <source>%n region not drawn</source>
        <translation>%n regione non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n regions not drawn</source>
        <translation>
            <numerusform>%n regione non disegnata</numerusform>
            <numerusform>%n regioni non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n surface not drawn</source>
        <translation>%n superficie non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n surfaces not drawn</source>
        <translation>
            <numerusform>%n superficie non disegnata</numerusform>
            <numerusform>%n superfici non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n viewport not drawn</source>
        <translation>%n finestra di visualizzazione non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n viewports not drawn</source>
        <translation>
            <numerusform>%n finestra di visualizzazione non disegnata</numerusform>
            <numerusform>%n finestre di visualizzazione non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n wipeout not drawn</source>
        <translation>%n maschera non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n wipeouts not drawn</source>
        <translation>
            <numerusform>%n maschera non disegnata</numerusform>
            <numerusform>%n maschere non disegnate</numerusform>
        </translation>
    </message>
    <message>
        <source>%n construction line not drawn</source>
        <translation>%n linea di costruzione non disegnata</translation>
    </message>
    <message numerus="yes">
        <source>%n construction lines not drawn</source>
        <translation>
            <numerusform>%n linea di costruzione non disegnata</numerusform>
            <numerusform>%n linee di costruzione non disegnate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 entity not drawn</source>
        <translation>
            <numerusform>%n entità %1 non disegnata</numerusform>
            <numerusform>%n entità %1 non disegnate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 entities not drawn</source>
        <translation>
            <numerusform>%n entità %1 non disegnata</numerusform>
            <numerusform>%n entità %1 non disegnate</numerusform>
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
        <translation>Rettilineare (foro stenopeico)</translation>
    </message>
    <message>
        <source>Equidistant fisheye (r = f·θ)</source>
        <translation>Fisheye equidistante (r = f·θ)</translation>
    </message>
    <message>
        <source>Equisolid fisheye (r = 2f·sin θ/2)</source>
        <translation>Fisheye equisolido (r = 2f·sin θ/2)</translation>
    </message>
    <message>
        <source>Stereographic (r = 2f·tan θ/2)</source>
        <translation>Stereografica (r = 2f·tan θ/2)</translation>
    </message>
    <message>
        <source>Orthographic (r = f·sin θ)</source>
        <translation>Ortografica (r = f·sin θ)</translation>
    </message>
    <message>
        <source>Active area %1, diagonal %2 mm.</source>
        <translation>Area attiva %1, diagonale %2 mm.</translation>
    </message>
    <message>
        <source>As typed.</source>
        <translation>Come digitato.</translation>
    </message>
    <message>
        <source>Pixel size x resolution: the sensor&apos;s own active area.</source>
        <translation>Dimensione del pixel x risoluzione: l&apos;area attiva del sensore stesso.</translation>
    </message>
    <message>
        <source>Nominal format %1: the size of the format&apos;s name, not a measured active area; type the pixel size where the datasheet gives it.</source>
        <translation>Formato nominale %1: la dimensione che dà il nome al formato, non un&apos;area attiva misurata; inserire la dimensione del pixel se la scheda tecnica la indica.</translation>
    </message>
    <message>
        <source>Nominal format %1: the typical active area of sensors sold under it.</source>
        <translation>Formato nominale %1: l&apos;area attiva tipica dei sensori venduti con questo nome.</translation>
    </message>
    <message>
        <source>Camera: the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>Telecamera: il sensore o l&apos;immagine della finestra di copertura non sono utilizzabili</translation>
    </message>
    <message>
        <source>Camera: %1, %2 x %3</source>
        <translation>Telecamera: %1, %2 x %3</translation>
    </message>
</context>
<context>
    <name>PreviewSheet</name>
    <message>
        <source>At the aim distance</source>
        <translation>Alla distanza di puntamento</translation>
    </message>
    <message>
        <source>At the aim distance (%1)</source>
        <translation>Alla distanza di puntamento (%1)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No pixel density: the coverage window&apos;s inputs give none.</source>
        <translation>Nessuna densità di pixel: i dati della finestra di copertura non ne danno.</translation>
    </message>
    <message>
        <source>%1 x %2 px</source>
        <translation>%1 x %2 px</translation>
    </message>
    <message>
        <source>Outside the sharp zone: blur %1 px</source>
        <translation>Fuori dalla zona nitida: sfocatura %1 px</translation>
    </message>
    <message>
        <source>Outside the sharp zone at %1: blur %2 px</source>
        <translation>Fuori dalla zona nitida a %1: sfocatura %2 px</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>there is no picture to save</source>
        <translation>non c&apos;è nessuna immagine da salvare</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>non è stato possibile disegnare la pagina</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Non è stato possibile stampare il rapporto su &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the picture could not be written as PNG</source>
        <translation>non è stato possibile scrivere l&apos;immagine in PNG</translation>
    </message>
</context>
<context>
    <name>TargetText</name>
    <message>
        <source>Face, 16 cm wide</source>
        <translation>Volto, largo 16 cm</translation>
    </message>
    <message>
        <source>Person, 1.7 m tall</source>
        <translation>Persona, alta 1,7 m</translation>
    </message>
    <message>
        <source>Number plate, 520 x 110 mm</source>
        <translation>Targa, 520 x 110 mm</translation>
    </message>
    <message>
        <source>Bars of 40, 16, 8 and 4 mm</source>
        <translation>Barre di 40, 16, 8 e 4 mm</translation>
    </message>
</context>
<context>
    <name>TestChart</name>
    <message>
        <source>Printed at 100 % this line is 100 mm long. If it is not, print again at actual size (no fitting to the page).</source>
        <translation>Stampata al 100 % questa linea è lunga 100 mm. Se non lo è, ristampa a dimensione reale (senza adattare alla pagina).</translation>
    </message>
    <message>
        <source>Counting bar, %1 mm</source>
        <translation>Barra di conteggio, %1 mm</translation>
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
        <translation>Tieni questo foglio dritto alla distanza di puntamento (%1), rivolto verso la telecamera. Nell&apos;immagine dal vivo conta i pixel lungo la barra nera di conteggio (%2).</translation>
    </message>
    <message>
        <source>The design gives %1 pixels across it there.</source>
        <translation>Il progetto vi dà %1 pixel.</translation>
    </message>
    <message>
        <source>%1: %2 pixels</source>
        <translation>%1: %2 pixel</translation>
    </message>
    <message>
        <source>Each level needs at least: %1.</source>
        <translation>Ogni livello richiede almeno: %1.</translation>
    </message>
    <message>
        <source>Each pair of bars below is resolved when the picture shows the gap between them: at detection the 40 mm pair, at observation 16 mm, at recognition 8 mm, at identification 4 mm.</source>
        <translation>Ogni coppia di barre qui sotto è risolta quando l&apos;immagine mostra lo spazio tra le due: al rilevamento la coppia da 40 mm, all&apos;osservazione 16 mm, al riconoscimento 8 mm, all&apos;identificazione 4 mm.</translation>
    </message>
    <message>
        <source>Test chart: what the camera resolves</source>
        <translation>Mira di prova: cosa risolve la telecamera</translation>
    </message>
    <message>
        <source>Number plate characters, %1 mm tall</source>
        <translation>Caratteri di targa, alti %1 mm</translation>
    </message>
    <message>
        <source>A face at its size, the head %1 mm wide</source>
        <translation>Un volto a grandezza reale, la testa larga %1 mm</translation>
    </message>
    <message>
        <source>Test chart</source>
        <translation>Mira di prova</translation>
    </message>
    <message>
        <source>Test chart %1</source>
        <translation>Mira di prova %1</translation>
    </message>
</context>
<context>
    <name>vistaro::AboutBox</name>
    <message>
        <source>About Vistaro</source>
        <translation>Informazioni su Vistaro</translation>
    </message>
    <message>
        <source>Vistaro %1</source>
        <translation>Vistaro %1</translation>
    </message>
    <message>
        <source>Lens calculator for CCTV cameras</source>
        <translation>Calcolatore di obiettivi per telecamere TVCC</translation>
    </message>
    <message>
        <source>Copyright 2026 The Vistaro developers. Vistaro is free software under the &lt;a href=&quot;%1&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt;; it comes with absolutely no warranty.</source>
        <translation>Copyright 2026 gli sviluppatori di Vistaro. Vistaro è software libero secondo la &lt;a href=&quot;%1&quot;&gt;GNU General Public License, versione 3 o successiva&lt;/a&gt;; è fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>Qt %1 (built with Qt %2)</source>
        <translation>Qt %1 (compilato con Qt %2)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>File delle impostazioni: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>vistaro::AreaPanel</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>&amp;Livello:</translation>
    </message>
    <message>
        <source>&amp;Required share:</source>
        <translation>&amp;Quota richiesta:</translation>
    </message>
    <message>
        <source>The share of the area that must be covered at its level for it to be met</source>
        <translation>La quota dell&apos;area che deve essere coperta al suo livello perché sia soddisfatta</translation>
    </message>
</context>
<context>
    <name>vistaro::AreaTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Covered (%)</source>
        <translation>Coperta (%)</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Piano</translation>
    </message>
</context>
<context>
    <name>vistaro::BackgroundController</name>
    <message>
        <source>Show background</source>
        <translation>Mostra sfondo</translation>
    </message>
    <message>
        <source>Hide background</source>
        <translation>Nascondi sfondo</translation>
    </message>
    <message>
        <source>Dim background</source>
        <translation>Attenua sfondo</translation>
    </message>
    <message>
        <source>Brighten background</source>
        <translation>Ravviva sfondo</translation>
    </message>
    <message>
        <source>Lock background</source>
        <translation>Blocca sfondo</translation>
    </message>
    <message>
        <source>Unlock background</source>
        <translation>Sblocca sfondo</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>Floor plans (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)</source>
        <translation>Piante (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be shown: %2</source>
        <translation>Impossibile mostrare l&apos;immagine di sfondo %1: %2</translation>
    </message>
    <message>
        <source>Load background</source>
        <translation>Carica sfondo</translation>
    </message>
    <message>
        <source>Background scale</source>
        <translation>Scala dello sfondo</translation>
    </message>
    <message>
        <source>Distance between the two points (%1):</source>
        <translation>Distanza tra i due punti (%1):</translation>
    </message>
    <message>
        <source>Set background scale</source>
        <translation>Imposta scala dello sfondo</translation>
    </message>
    <message>
        <source>Change drawing layers</source>
        <translation>Modifica layer del disegno</translation>
    </message>
    <message>
        <source>Walls from layers</source>
        <translation>Muri dai layer</translation>
    </message>
    <message numerus="yes">
        <source>%n obstacle made from the drawing&apos;s layers</source>
        <translation>
            <numerusform>%n ostacolo creato dai layer del disegno</numerusform>
            <numerusform>%n ostacoli creati dai layer del disegno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n obstacles made from the drawing&apos;s layers</source>
        <translation>
            <numerusform>%n ostacolo creato dai layer del disegno</numerusform>
            <numerusform>%n ostacoli creati dai layer del disegno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n open outline passed over</source>
        <translation>
            <numerusform>; %n contorno aperto tralasciato</numerusform>
            <numerusform>; %n contorni aperti tralasciati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n open outlines passed over</source>
        <translation>
            <numerusform>; %n contorno aperto tralasciato</numerusform>
            <numerusform>; %n contorni aperti tralasciati</numerusform>
        </translation>
    </message>
    <message>
        <source>Obstacles from layers</source>
        <translation>Ostacoli dai layer</translation>
    </message>
</context>
<context>
    <name>vistaro::CConsiglia</name>
    <message>
        <source>Previous lens</source>
        <translation>Obiettivo precedente</translation>
    </message>
    <message>
        <source>Next lens</source>
        <translation>Obiettivo successivo</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Scheda tecnica</translation>
    </message>
    <message>
        <source>Reset the index</source>
        <translation>Azzera l&apos;indice</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Next index</source>
        <translation>Indice successivo</translation>
    </message>
    <message>
        <source>Lens model</source>
        <translation>Modello di obiettivo</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Lunghezza focale</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Apertura</translation>
    </message>
    <message>
        <source>Iris control</source>
        <translation>Controllo iride</translation>
    </message>
    <message>
        <source>Minimum focus distance</source>
        <translation>Distanza minima di messa a fuoco</translation>
    </message>
    <message>
        <source>Remark and scenes at the distances typed</source>
        <translation>Nota e scene alle distanze digitate</translation>
    </message>
    <message>
        <source>(the lens may not focus at the distance typed)</source>
        <translation>(l&apos;obiettivo potrebbe non mettere a fuoco alla distanza digitata)</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraPanel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>East (%1)</source>
        <translation>Est (%1)</translation>
    </message>
    <message>
        <source>North (%1)</source>
        <translation>Nord (%1)</translation>
    </message>
    <message>
        <source>Pan (° from east)</source>
        <translation>Orientamento (° da est)</translation>
    </message>
    <message>
        <source>Mounting height (%1)</source>
        <translation>Altezza di montaggio (%1)</translation>
    </message>
    <message>
        <source>Aimed by</source>
        <translation>Puntata secondo</translation>
    </message>
    <message>
        <source>Target height (%1)</source>
        <translation>Altezza del soggetto (%1)</translation>
    </message>
    <message>
        <source>Tilt (° down)</source>
        <translation>Inclinazione (° verso il basso)</translation>
    </message>
    <message>
        <source>Aim distance (%1)</source>
        <translation>Distanza di puntamento (%1)</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>Larghezza del sensore (mm)</translation>
    </message>
    <message>
        <source>Sensor height (mm)</source>
        <translation>Altezza del sensore (mm)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>Tele end (mm)</source>
        <translation>Estremo tele (mm)</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Livello voluto</translation>
    </message>
    <message>
        <source>Select one camera on the plan or in the table to see and change it here.</source>
        <translation>Selezionare una telecamera nella pianta o nella tabella per vederla e modificarla qui.</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Altezza del soggetto</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Inclinazione</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>&amp;Show in coverage window</source>
        <translation>&amp;Mostra nella finestra Copertura</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Anteprima...</translation>
    </message>
    <message>
        <source>Preview of what the camera shows</source>
        <translation>Anteprima di cosa mostra la telecamera</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proiezione</translation>
    </message>
    <message>
        <source>Datasheet angle (° across)</source>
        <translation>Angolo della scheda tecnica (° orizzontali)</translation>
    </message>
    <message>
        <source>Camera properties</source>
        <translation>Proprietà della telecamera</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Pan (°)</source>
        <translation>Orientamento (°)</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Altezza del soggetto</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Piano</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraViewWindow</name>
    <message>
        <source>Select a camera to see its view.</source>
        <translation>Selezionare una telecamera per vederne la vista.</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Vista: %1</translation>
    </message>
    <message>
        <source>View from camera</source>
        <translation>Vista dalla telecamera</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Pavimento</translation>
    </message>
    <message>
        <source>Floor in %1</source>
        <translation>Pavimento in %1</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Obstacle %1</source>
        <translation>Ostacolo %1</translation>
    </message>
    <message>
        <source>Person at %1</source>
        <translation>Persona presso %1</translation>
    </message>
    <message>
        <source>%1: dead zone</source>
        <translation>%1: zona cieca</translation>
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
        <translation>Salva la vista della telecamera come PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>View %1</source>
        <translation>Vista %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Save as PNG...</source>
        <translation>&amp;Salva come PNG...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>C&amp;lear targets</source>
        <translation>&amp;Rimuovi i bersagli</translation>
    </message>
    <message>
        <source>Place &amp;target:</source>
        <translation>Posiziona &amp;bersaglio:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Target to place with a click on the floor</source>
        <translation>Bersaglio da posizionare con un clic sul pavimento</translation>
    </message>
    <message>
        <source>View from the camera</source>
        <translation>Vista dalla telecamera</translation>
    </message>
    <message>
        <source>The arrows move a cross over the picture (Shift: faster); Enter places the chosen target there</source>
        <translation>Le frecce spostano una croce sull&apos;immagine (Maiusc: più veloce); Invio vi posiziona il bersaglio scelto</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>What the pointer is over</source>
        <translation>Ciò che si trova sotto il puntatore</translation>
    </message>
    <message>
        <source>Choose a target, then click the floor in the picture or on the plan to stand it there</source>
        <translation>Scegliere un bersaglio, poi fare clic sul pavimento nell&apos;immagine o sulla pianta per posizionarlo lì</translation>
    </message>
</context>
<context>
    <name>vistaro::CopyToStoreysDialog</name>
    <message>
        <source>Copy to storeys</source>
        <translation>Copia sui piani</translation>
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
        <source>Save the views as a picture</source>
        <translation>Salva le viste come immagine</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Aim</source>
        <translation>Puntamento</translation>
    </message>
    <message>
        <source>Tilt angle (° down)</source>
        <translation>Inclinazione (° in basso)</translation>
    </message>
    <message>
        <source>Aim at target height</source>
        <translation>Puntare all&apos;altezza del soggetto</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>Angolo di inclinazione</translation>
    </message>
    <message>
        <source>The focal length the level needs is longer than the calculator takes (at most %1).</source>
        <translation>La focale richiesta dal livello è più lunga di quanto accetta il calcolatore (al massimo %1).</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proiezione</translation>
    </message>
    <message>
        <source>Datasheet angle (° across)</source>
        <translation>Angolo della scheda tecnica (° orizzontali)</translation>
    </message>
    <message>
        <source>F-number</source>
        <translation>Numero F</translation>
    </message>
    <message>
        <source>Circle of confusion (pixels)</source>
        <translation>Cerchio di confusione (pixel)</translation>
    </message>
    <message>
        <source>from the focal length</source>
        <translation>dalla lunghezza focale</translation>
    </message>
    <message>
        <source>The horizontal angle of view the lens&apos;s datasheet states for this sensor; it stands instead of the focal length&apos;s.</source>
        <translation>L&apos;angolo di campo orizzontale indicato dalla scheda tecnica dell&apos;obiettivo per questo sensore; sostituisce quello della lunghezza focale.</translation>
    </message>
    <message>
        <source>The blur that still reads as sharp, in pixel widths.</source>
        <translation>La sfocatura che appare ancora nitida, in larghezze di pixel.</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Anteprima...</translation>
    </message>
    <message>
        <source>Preview of what the camera shows</source>
        <translation>Anteprima di cosa mostra la telecamera</translation>
    </message>
    <message>
        <source>Test chart...</source>
        <translation>Mira di prova...</translation>
    </message>
    <message>
        <source>Save a test chart to print</source>
        <translation>Salva una mira di prova da stampare</translation>
    </message>
    <message>
        <source>Save the test chart</source>
        <translation>Salva la mira di prova</translation>
    </message>
    <message>
        <source>Level set</source>
        <translation>Insieme di livelli</translation>
    </message>
    <message>
        <source>Number plate</source>
        <translation>Targa</translation>
    </message>
    <message>
        <source>European plate, 520 mm</source>
        <translation>Targa europea, 520 mm</translation>
    </message>
    <message>
        <source>United States plate, 305 mm</source>
        <translation>Targa statunitense, 305 mm</translation>
    </message>
    <message>
        <source> px across the plate</source>
        <translation> px sulla larghezza della targa</translation>
    </message>
    <message>
        <source>Your sets...</source>
        <translation>I tuoi insiemi...</translation>
    </message>
    <message>
        <source>Number plate width</source>
        <translation>Larghezza della targa</translation>
    </message>
    <message>
        <source>Pixels needed across the plate</source>
        <translation>Pixel necessari sulla larghezza della targa</translation>
    </message>
    <message>
        <source>Edit your own level sets</source>
        <translation>Modifica i tuoi insiemi di livelli</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>Larghezza del sensore (mm)</translation>
    </message>
    <message>
        <source>Sensor height (mm)</source>
        <translation>Altezza del sensore (mm)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
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
        <source>%1, wide end</source>
        <translation>%1, lato grandangolo</translation>
    </message>
    <message>
        <source>%1, tele end</source>
        <translation>%1, lato tele</translation>
    </message>
</context>
<context>
    <name>vistaro::DraftFields</name>
    <message>
        <source>Length (%1):</source>
        <translation>Lunghezza (%1):</translation>
    </message>
    <message>
        <source>Angle (°):</source>
        <translation>Angolo (°):</translation>
    </message>
    <message>
        <source>Length of the segment drawn</source>
        <translation>Lunghezza del segmento tracciato</translation>
    </message>
    <message>
        <source>Angle of the segment drawn, counter-clockwise from east</source>
        <translation>Angolo del segmento tracciato, in senso antiorario da est</translation>
    </message>
    <message>
        <source>Type a figure and press Enter to place the next point; Tab goes to the other field, Esc back to the plan.</source>
        <translation>Digitare un valore e premere Invio per posare il punto successivo; Tab passa all&apos;altro campo, Esc torna alla pianta.</translation>
    </message>
</context>
<context>
    <name>vistaro::DxfLayersDialog</name>
    <message>
        <source>Drawing layers</source>
        <translation>Layer del disegno</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Entities</source>
        <translation>Entità</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visibile</translation>
    </message>
    <message>
        <source>Use as walls</source>
        <translation>Usa come muri</translation>
    </message>
    <message>
        <source>Not drawn</source>
        <translation>Non disegnato</translation>
    </message>
    <message>
        <source>Obstacles of layer %1</source>
        <translation>Ostacoli del layer %1</translation>
    </message>
    <message>
        <source>Use as obstacles</source>
        <translation>Usa come ostacoli</translation>
    </message>
</context>
<context>
    <name>vistaro::FigureCaptions</name>
    <message>
        <source>Density at aim</source>
        <translation>Densità al punto mirato</translation>
    </message>
    <message>
        <source>Area at level</source>
        <translation>Superficie al livello</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
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
        <translation>L&apos;altezza dal pavimento alla quale inizia a bloccare la vista</translation>
    </message>
    <message>
        <source>The height above the floor where it stops blocking sight</source>
        <translation>L&apos;altezza dal pavimento alla quale smette di bloccare la vista</translation>
    </message>
    <message>
        <source>To the &amp;ceiling</source>
        <translation>Fino al s&amp;offitto</translation>
    </message>
    <message>
        <source>To the ceiling</source>
        <translation>Fino al soffitto</translation>
    </message>
    <message>
        <source>&amp;Bottom (%1):</source>
        <translation>&amp;Base (%1):</translation>
    </message>
    <message>
        <source>&amp;Top (%1):</source>
        <translation>&amp;Sommità (%1):</translation>
    </message>
</context>
<context>
    <name>vistaro::LensFinder</name>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Lens finder</source>
        <translation>Cerca obiettivi</translation>
    </message>
    <message>
        <source>&amp;Name or remark:</source>
        <translation>&amp;Nome o nota:</translation>
    </message>
    <message>
        <source>part of the name or remark</source>
        <translation>parte del nome o della nota</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tutti i tipi</translation>
    </message>
    <message>
        <source>&amp;Only lenses that fit</source>
        <translation>&amp;Solo gli obiettivi adatti</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Esporta CSV...</translation>
    </message>
    <message>
        <source>Selected type (%1)</source>
        <translation>Tipo scelto (%1)</translation>
    </message>
    <message>
        <source>%1 of %2 lenses</source>
        <translation>%1 di %2 obiettivi</translation>
    </message>
    <message>
        <source>Lenses</source>
        <translation>Obiettivi</translation>
    </message>
</context>
<context>
    <name>vistaro::LensTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iride</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Min. focus (m)</source>
        <translation>Fuoco min. (m)</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>The catalogue names no datasheet for this lens.</source>
        <translation>Il catalogo non indica alcuna scheda per questo obiettivo.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>fits</source>
        <translation>adatto</translation>
    </message>
    <message>
        <source>does not fit</source>
        <translation>non adatto</translation>
    </message>
    <message>
        <source>cannot be told</source>
        <translation>non si può dire</translation>
    </message>
</context>
<context>
    <name>vistaro::LevelSetDialog</name>
    <message>
        <source>Level sets of your own</source>
        <translation>I tuoi insiemi di livelli</translation>
    </message>
    <message>
        <source>Your level sets</source>
        <translation>I tuoi insiemi di livelli</translation>
    </message>
    <message>
        <source>Name of the level set</source>
        <translation>Nome dell&apos;insieme di livelli</translation>
    </message>
    <message>
        <source>Unit of the densities</source>
        <translation>Unità delle densità</translation>
    </message>
    <message>
        <source>Levels, lowest first</source>
        <translation>Livelli, dal più basso</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densità</translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Nuovo insieme</translation>
    </message>
    <message>
        <source>Remove set</source>
        <translation>Rimuovi insieme</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importa...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Esporta...</translation>
    </message>
    <message>
        <source>Add level</source>
        <translation>Aggiungi livello</translation>
    </message>
    <message>
        <source>Remove level</source>
        <translation>Rimuovi livello</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Unità</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Livello 1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Livello %1</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be kept: %2</source>
        <translation>L&apos;insieme di livelli &quot;%1&quot; non può essere conservato: %2</translation>
    </message>
    <message>
        <source>There is a level set named &quot;%1&quot; already.</source>
        <translation>Esiste già un insieme di livelli di nome &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Import a level set</source>
        <translation>Importa un insieme di livelli</translation>
    </message>
    <message>
        <source>Level sets (*.json)</source>
        <translation>Insiemi di livelli (*.json)</translation>
    </message>
    <message>
        <source>Export the level set</source>
        <translation>Esporta l&apos;insieme di livelli</translation>
    </message>
</context>
<context>
    <name>vistaro::LevelSetFile</name>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>non è un numero positivo</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>maggiore di %1</translation>
    </message>
    <message>
        <source>a name is expected</source>
        <translation>è atteso un nome</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>più lungo di %1 caratteri</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no level set this program knows</source>
        <translation>&quot;%1&quot; non è un insieme di livelli noto a questo programma</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;px/m&quot; nor &quot;px/ft&quot;</source>
        <translation>&quot;%1&quot; non è né &quot;px/m&quot; né &quot;px/ft&quot;</translation>
    </message>
    <message>
        <source>a list of 1 to %1 levels is expected</source>
        <translation>è attesa una lista da 1 a %1 livelli</translation>
    </message>
    <message>
        <source>larger than %1 KiB, more than any level set needs</source>
        <translation>più grande di %1 KiB, più di quanto serva a qualsiasi insieme di livelli</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>non è un oggetto JSON</translation>
    </message>
    <message>
        <source>not a Vistaro level set file</source>
        <translation>non è un file di insieme di livelli di Vistaro</translation>
    </message>
    <message>
        <source>a version this program does not read</source>
        <translation>una versione che questo programma non legge</translation>
    </message>
</context>
<context>
    <name>vistaro::Obbiettivi</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Coverage...</source>
        <translation>&amp;Copertura...</translation>
    </message>
    <message>
        <source>Lens &amp;finder...</source>
        <translation>&amp;Cerca obiettivi...</translation>
    </message>
    <message>
        <source>About Vistaro</source>
        <translation>Informazioni su Vistaro</translation>
    </message>
    <message>
        <source>&amp;Site plan...</source>
        <translation>&amp;Planimetria...</translation>
    </message>
    <message>
        <source>Focal length in mm</source>
        <translation>Lunghezza focale in mm</translation>
    </message>
    <message>
        <source>Distance to the scene in m</source>
        <translation>Distanza dalla scena in m</translation>
    </message>
    <message>
        <source>Scene width in m</source>
        <translation>Larghezza della scena in m</translation>
    </message>
    <message>
        <source>Scene height in m</source>
        <translation>Altezza della scena in m</translation>
    </message>
    <message>
        <source>%1, tele end</source>
        <translation>%1, lato tele</translation>
    </message>
    <message>
        <source>%1, wide end</source>
        <translation>%1, lato grandangolo</translation>
    </message>
    <message>
        <source>%1 inch sensor</source>
        <translation>Sensore da %1 pollici</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calcolatore</translation>
    </message>
    <message>
        <source>Shows the catalogue&apos;s lenses that fit the focal length, sensor and iris chosen</source>
        <translation>Mostra gli obiettivi del catalogo adatti alla focale, al sensore e all&apos;iride scelti</translation>
    </message>
</context>
<context>
    <name>vistaro::ObstaclePanel</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>vistaro::ObstacleTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Sommità</translation>
    </message>
</context>
<context>
    <name>vistaro::PdfViewer</name>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Adatta larghezza</translation>
    </message>
    <message>
        <source>Fit to the width</source>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Adatta pagina</translation>
    </message>
    <message>
        <source>Show a whole page</source>
        <translation>Mostra una pagina intera</translation>
    </message>
    <message>
        <source>This datasheet cannot be displayed.</source>
        <translation>Questa scheda tecnica non può essere visualizzata.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 pagina</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pagine</translation>
    </message>
    <message>
        <source>Datasheet pages</source>
        <translation>Pagine della scheda tecnica</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanImport</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>The PDF is protected by a password.</source>
        <translation>Il PDF è protetto da password.</translation>
    </message>
    <message>
        <source>It is not a PDF that can be read.</source>
        <translation>Non è un PDF leggibile.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centimetri</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metri</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>piedi</translation>
    </message>
    <message>
        <source>Drawing units</source>
        <translation>Unità del disegno</translation>
    </message>
    <message>
        <source>The drawing %1 does not say in which units it is drawn. Its units are:</source>
        <translation>Il disegno %1 non indica in quali unità è disegnato. Le sue unità sono:</translation>
    </message>
    <message>
        <source>PDF plan</source>
        <translation>Pianta PDF</translation>
    </message>
    <message>
        <source>Page to show (1 to %1):</source>
        <translation>Pagina da mostrare (da 1 a %1):</translation>
    </message>
    <message>
        <source>Resolution to render the page at (dpi):</source>
        <translation>Risoluzione a cui rendere la pagina (dpi):</translation>
    </message>
    <message>
        <source>The drawing holds nothing to draw.</source>
        <translation>Il disegno non contiene nulla da disegnare.</translation>
    </message>
    <message>
        <source>The PDF has no page %1.</source>
        <translation>Il PDF non ha una pagina %1.</translation>
    </message>
    <message>
        <source>At %1 dpi page %2 would take %3 megapixels, more than the %4 a plan may take. Choose a lower resolution.</source>
        <translation>A %1 dpi la pagina %2 occuperebbe %3 megapixel, più dei %4 ammessi per una pianta. Scegli una risoluzione più bassa.</translation>
    </message>
    <message>
        <source>Page %1 cannot be rendered.</source>
        <translation>Impossibile rendere la pagina %1.</translation>
    </message>
    <message>
        <source>The drawing holds nothing to draw: %1.</source>
        <translation>Il disegno non contiene nulla da disegnare: %1.</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanTool</name>
    <message>
        <source>Click the wall&apos;s corners; double-click or Enter ends it, Esc cancels.</source>
        <translation>Fare clic sugli angoli del muro; doppio clic o Invio lo termina, Esc annulla.</translation>
    </message>
    <message>
        <source>Click the area&apos;s corners; double-click or Enter closes it, Esc cancels.</source>
        <translation>Fare clic sugli angoli dell&apos;area; doppio clic o Invio la chiude, Esc annulla.</translation>
    </message>
    <message>
        <source>Click two points of the background whose distance you know; Esc cancels.</source>
        <translation>Fare clic su due punti dello sfondo di cui si conosce la distanza; Esc annulla.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Measured: %1. Click to measure again, Esc clears.</source>
        <translation>Misurato: %1. Fare clic per misurare di nuovo, Esc cancella.</translation>
    </message>
    <message>
        <source>Click two points to measure between them; Esc ends.</source>
        <translation>Fare clic su due punti per misurare la distanza tra loro; Esc termina.</translation>
    </message>
    <message>
        <source>Click the corners of the site&apos;s boundary, which replaces the one before; double-click or Enter closes it, Esc cancels.</source>
        <translation>Fare clic sugli angoli del confine del sito, che sostituisce quello precedente; doppio clic o Invio lo chiude, Esc annulla.</translation>
    </message>
    <message>
        <source>Click where the camera goes; Enter puts one mid-view, Esc ends.</source>
        <translation>Fare clic dove va la telecamera; Invio ne mette una al centro della vista, Esc termina.</translation>
    </message>
    <message>
        <source>Click the obstacle&apos;s corners, as seen from above; double-click or Enter closes it, Esc cancels.</source>
        <translation>Fare clic sugli angoli dell&apos;ostacolo, visti dall&apos;alto; doppio clic o Invio lo chiude, Esc annulla.</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanView</name>
    <message>
        <source>Tab selects the next item, Ctrl+Tab leaves the plan; the arrows move the selection (Shift: ten times as far); [ and ] or Ctrl+Left and Ctrl+Right turn a camera (Shift: 45°); , and . pick a point of a wall or an area, which the arrows then move and Delete removes; Esc drops the point.</source>
        <translation>Tab seleziona l&apos;elemento successivo, Ctrl+Tab lascia la pianta; le frecce spostano la selezione (Maiusc: dieci volte tanto); [ e ] o Ctrl+Sinistra e Ctrl+Destra ruotano una telecamera (Maiusc: 45°); , e . scelgono un punto di un muro o di un&apos;area, che le frecce poi spostano e Canc toglie; Esc lascia il punto.</translation>
    </message>
</context>
<context>
    <name>vistaro::Preview</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>&amp;JPEG quality</source>
        <translation>Qualità &amp;JPEG</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>&amp;Night noise</source>
        <translation>Rumore &amp;notturno</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Carta</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opia</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>&amp;Test chart...</source>
        <translation>&amp;Mira di prova...</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>Qualità JPEG</translation>
    </message>
    <message>
        <source>Night noise</source>
        <translation>Rumore notturno</translation>
    </message>
    <message>
        <source>Test chart paper</source>
        <translation>Carta della mira di prova</translation>
    </message>
    <message>
        <source>Copy the preview</source>
        <translation>Copia l&apos;anteprima</translation>
    </message>
    <message>
        <source>Save the preview as a picture</source>
        <translation>Salva l&apos;anteprima come immagine</translation>
    </message>
    <message>
        <source>Save the test chart as PDF</source>
        <translation>Salva la mira di prova come PDF</translation>
    </message>
    <message>
        <source>What the camera shows</source>
        <translation>Cosa mostra la telecamera</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the test chart</source>
        <translation>Salva la mira di prova</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Lens blur</source>
        <translation>S&amp;focatura dell&apos;obiettivo</translation>
    </message>
    <message>
        <source>Blurs a target outside the depth of field as the lens, focused at the aim distance, blurs it.</source>
        <translation>Sfoca un bersaglio fuori dalla profondità di campo come lo sfoca l&apos;obiettivo, messo a fuoco alla distanza di puntamento.</translation>
    </message>
    <message>
        <source>Each picture has the pixels the camera gives the target at that density, each pixel drawn as a square.</source>
        <translation>Ogni immagine ha i pixel che la telecamera dà al bersaglio a quella densità, ogni pixel disegnato come un quadrato.</translation>
    </message>
    <message>
        <source>Lens blur from the depth of field</source>
        <translation>Sfocatura dell&apos;obiettivo dalla profondità di campo</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation>Anteprima %1</translation>
    </message>
</context>
<context>
    <name>vistaro::ReadProblem</name>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>Impossibile leggere il file &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>vistaro::SaveFailure</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Impossibile salvare &quot;%1&quot;: %2. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>the disk took only part of it</source>
        <translation>il disco ne ha accolto solo una parte</translation>
    </message>
</context>
<context>
    <name>vistaro::SeparatorNote</name>
    <message>
        <source>The regional format writes decimals with &quot;%1&quot;, as in %2, not with the &quot;%3&quot; declared. Numbers are still read and shown in the regional format: those on show keep their values, and a &quot;%4&quot; typed from now on is removed as a digit-group mark.</source>
        <translation>Il formato regionale scrive i decimali con &quot;%1&quot;, come in %2, non con il &quot;%3&quot; dichiarato. I numeri restano letti e mostrati nel formato regionale: quelli visualizzati mantengono il loro valore, e un &quot;%4&quot; digitato d&apos;ora in poi viene tolto come separatore delle migliaia.</translation>
    </message>
</context>
<context>
    <name>vistaro::Site</name>
    <message>
        <source>Storey %1</source>
        <translation>Piano %1</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteDeliverables</name>
    <message>
        <source>Dead zone</source>
        <translation>Zona cieca</translation>
    </message>
    <message>
        <source>Area covered</source>
        <translation>Zona coperta</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Telecamere</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Areas</source>
        <translation>Aree</translation>
    </message>
    <message>
        <source>Covered (%)</source>
        <translation>Coperta (%)</translation>
    </message>
    <message>
        <source>%1 %2, lens calculator for CCTV cameras</source>
        <translation>%1 %2, calcolatore di obiettivi per telecamere TVCC</translation>
    </message>
    <message>
        <source>Site plan</source>
        <translation>Planimetria</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Elenco</translation>
    </message>
    <message>
        <source>the drawing could not be begun</source>
        <translation>non è stato possibile iniziare il disegno</translation>
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
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Orientamento</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Inclinazione</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Livello voluto</translation>
    </message>
    <message>
        <source>Level at aim</source>
        <translation>Livello al punto mirato</translation>
    </message>
    <message>
        <source>Level required</source>
        <translation>Livello richiesto</translation>
    </message>
    <message>
        <source>Required (%)</source>
        <translation>Richiesta (%)</translation>
    </message>
    <message>
        <source>Met</source>
        <translation>Soddisfatta</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Progettista</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Azienda</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisione</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Areas to cover</source>
        <translation>Aree da coprire</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>%1: %2 % covered, %3 % required at %4</source>
        <translation>%1: %2 % coperta, %3 % richiesta al livello %4</translation>
    </message>
    <message>
        <source>Not met</source>
        <translation>Non soddisfatta</translation>
    </message>
    <message>
        <source>Areas met</source>
        <translation>Aree soddisfatte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Scale 1:%1</source>
        <translation>Scala 1:%1</translation>
    </message>
    <message>
        <source>Scale 1:%1 on %2</source>
        <translation>Scala 1:%1 su %2</translation>
    </message>
    <message>
        <source>Area met (%1, solid outline)</source>
        <translation>Area soddisfatta (%1, contorno continuo)</translation>
    </message>
    <message>
        <source>Area not met (%1, dashed outline)</source>
        <translation>Area non soddisfatta (%1, contorno tratteggiato)</translation>
    </message>
    <message>
        <source>the site is too large for a drawing at 1:%1</source>
        <translation>il sito è troppo grande per un disegno in scala 1:%1</translation>
    </message>
    <message>
        <source>Site plan, 1:%1</source>
        <translation>Planimetria, 1:%1</translation>
    </message>
    <message>
        <source>Coverage of the site&apos;s cameras at 1:%3, in metres, x to the east and y to the south of the plan&apos;s point %1 m east, %2 m north</source>
        <translation>Copertura delle telecamere del sito in scala 1:%3, in metri, x verso est e y verso sud a partire dal punto della pianta a %1 m est, %2 m nord</translation>
    </message>
    <message>
        <source>Camera coverage of the site</source>
        <translation>Copertura delle telecamere del sito</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Voluto</translation>
    </message>
    <message>
        <source>Reached at the aim</source>
        <translation>Raggiunto al punto mirato</translation>
    </message>
    <message>
        <source>On the plan</source>
        <translation>Nella pianta</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Piano</translation>
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
        <translation>Vista</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Ostacolo</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteExports</name>
    <message>
        <source>&amp;Export report as PDF...</source>
        <translation>&amp;Esporta il rapporto in PDF...</translation>
    </message>
    <message>
        <source>&amp;Print report...</source>
        <translation>Stam&amp;pa il rapporto...</translation>
    </message>
    <message>
        <source>Export sc&amp;hedule as CSV...</source>
        <translation>Esporta l&apos;elen&amp;co in CSV...</translation>
    </message>
    <message>
        <source>Export coverage as &amp;DXF...</source>
        <translation>Esporta la copertura in &amp;DXF...</translation>
    </message>
    <message>
        <source>Export coverage as S&amp;VG...</source>
        <translation>Esporta la copertura in S&amp;VG...</translation>
    </message>
    <message>
        <source>Site plan</source>
        <translation>Planimetria</translation>
    </message>
    <message>
        <source>Export the site report</source>
        <translation>Esporta il rapporto del sito</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export the schedule</source>
        <translation>Esporta l&apos;elenco</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export the coverage as DXF</source>
        <translation>Esporta la copertura in DXF</translation>
    </message>
    <message>
        <source>DXF drawings (*.dxf)</source>
        <translation>Disegni DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Export the coverage as SVG</source>
        <translation>Esporta la copertura in SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Disegni SVG (*.svg)</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Scrittura del rapporto...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>Rapporto del sito</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteFile</name>
    <message>
        <source>a number is expected</source>
        <translation>è atteso un numero</translation>
    </message>
    <message>
        <source>a text is expected</source>
        <translation>è atteso un testo</translation>
    </message>
    <message>
        <source>true or false is expected</source>
        <translation>è atteso true o false</translation>
    </message>
    <message>
        <source>an object is expected</source>
        <translation>è atteso un oggetto</translation>
    </message>
    <message>
        <source>a list is expected</source>
        <translation>è attesa una lista</translation>
    </message>
    <message>
        <source>not within %1 to %2</source>
        <translation>non compreso tra %1 e %2</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>non è un numero positivo</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>maggiore di %1</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>non è un numero intero</translation>
    </message>
    <message>
        <source>a list of two numbers is expected</source>
        <translation>è attesa una lista di due numeri</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation>&quot;%1&quot; non è tra %2</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>more than the %1 items this program reads</source>
        <translation>più dei %1 elementi che questo programma legge</translation>
    </message>
    <message>
        <source>%1 points in all, more than the %2 this program reads</source>
        <translation>%1 punti in tutto, più dei %2 che questo programma legge</translation>
    </message>
    <message>
        <source>%1 points or more are expected</source>
        <translation>sono attesi %1 punti o più</translation>
    </message>
    <message>
        <source>missing: a camera is aimed at a target height or by a tilt</source>
        <translation>mancante: una telecamera è puntata a un&apos;altezza del bersaglio o con un&apos;inclinazione</translation>
    </message>
    <message>
        <source>the same point as &quot;from&quot;</source>
        <translation>lo stesso punto di &quot;from&quot;</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>not &quot;vistaro-site&quot;: this is not a Vistaro site file</source>
        <translation>non è &quot;vistaro-site&quot;: questo non è un file di sito di Vistaro</translation>
    </message>
    <message>
        <source>%1 is newer than this program reads (version %2)</source>
        <translation>%1 è più recente di quanto questo programma legga (versione %2)</translation>
    </message>
    <message>
        <source>%1 is no version of the site file</source>
        <translation>%1 non è una versione del file di sito</translation>
    </message>
    <message>
        <source>not JSON: %1 on line %2</source>
        <translation>non è JSON: %1 alla riga %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>non è un oggetto JSON</translation>
    </message>
    <message>
        <source>larger than %1 MiB, more than any site needs</source>
        <translation>più grande di %1 MiB, più di quanto serva a qualsiasi sito</translation>
    </message>
    <message>
        <source>below the bottom, %1</source>
        <translation>sotto la base, %1</translation>
    </message>
    <message>
        <source>at the elevation of storeys[%1]</source>
        <translation>alla quota di storeys[%1]</translation>
    </message>
    <message>
        <source>one storey or more is expected</source>
        <translation>è atteso un piano o più</translation>
    </message>
    <message>
        <source>the first storey has a background of its own</source>
        <translation>il primo piano ha uno sfondo proprio</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteFileController</name>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>The site plan %1 has changes that are not saved. Save them?</source>
        <translation>La planimetria %1 ha modifiche non salvate. Salvarle?</translation>
    </message>
    <message>
        <source>Open site plan</source>
        <translation>Apri planimetria</translation>
    </message>
    <message>
        <source>Site plans (*.vistaro)</source>
        <translation>Planimetrie (*.vistaro)</translation>
    </message>
    <message>
        <source>Save site plan</source>
        <translation>Salva planimetria</translation>
    </message>
    <message>
        <source>The unsaved site plan kept when Vistaro last ended cannot be restored. %1</source>
        <translation>La planimetria non salvata conservata alla chiusura precedente di Vistaro non può essere ripristinata. %1</translation>
    </message>
    <message>
        <source>Vistaro did not end normally while the site plan %1 had changes that were not saved. Restore them?</source>
        <translation>Vistaro non si è chiuso normalmente mentre la planimetria %1 aveva modifiche non salvate. Ripristinarle?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePlan</name>
    <message>
        <source>Plan</source>
        <translation>Pianta</translation>
    </message>
    <message>
        <source>Move camera</source>
        <translation>Sposta telecamera</translation>
    </message>
    <message>
        <source>Turn camera</source>
        <translation>Ruota telecamera</translation>
    </message>
    <message>
        <source>Change camera</source>
        <translation>Modifica telecamera</translation>
    </message>
    <message>
        <source>Change wall</source>
        <translation>Modifica muro</translation>
    </message>
    <message>
        <source>Change area</source>
        <translation>Modifica area</translation>
    </message>
    <message>
        <source>Move background</source>
        <translation>Sposta sfondo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>%1[*] - Site plan</source>
        <translation>%1[*] - Planimetria</translation>
    </message>
    <message>
        <source>East %1, north %2</source>
        <translation>Est %1, nord %2</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Telecamera</translation>
    </message>
    <message>
        <source>Add camera</source>
        <translation>Aggiungi telecamera</translation>
    </message>
    <message>
        <source>Add wall</source>
        <translation>Aggiungi muro</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Add area</source>
        <translation>Aggiungi area</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Telecamere</translation>
    </message>
    <message>
        <source>Areas</source>
        <translation>Aree</translation>
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
        <translation>Anteprima: %1</translation>
    </message>
    <message>
        <source>Level set %1</source>
        <translation>Insieme di livelli %1</translation>
    </message>
    <message>
        <source>Move boundary</source>
        <translation>Sposta confine</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Draw boundary</source>
        <translation>Disegna confine</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Delete boundary</source>
        <translation>Elimina confine</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Site properties</source>
        <translation>Proprietà del sito</translation>
    </message>
    <message>
        <source>Change obstacle</source>
        <translation>Modifica ostacolo</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Ostacoli</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Ostacolo</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>This storey only</source>
        <translation>Solo questo piano</translation>
    </message>
    <message>
        <source>Tables of this storey only</source>
        <translation>Tabelle solo di questo piano</translation>
    </message>
    <message>
        <source>Add obstacle</source>
        <translation>Aggiungi ostacolo</translation>
    </message>
    <message>
        <source>Copy to storeys</source>
        <translation>Copia sui piani</translation>
    </message>
    <message>
        <source>The clipboard holds no cameras, walls, areas or obstacles.</source>
        <translation>Gli appunti non contengono telecamere, muri, aree né ostacoli.</translation>
    </message>
    <message>
        <source>Storeys</source>
        <translation>Piani</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePlanActions</name>
    <message>
        <source>Show %1 band</source>
        <translation>Mostra la fascia %1</translation>
    </message>
    <message>
        <source>Level set of the site</source>
        <translation>Insieme di livelli del sito</translation>
    </message>
    <message>
        <source>The levels the site&apos;s cameras and areas are judged by</source>
        <translation>I livelli con cui si giudicano telecamere e aree del sito</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Ripeti %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Apri r&amp;ecenti</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Inserisci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Site plan tools</source>
        <translation>Strumenti della planimetria</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Altri strumenti</translation>
    </message>
    <message>
        <source>&amp;New site</source>
        <translation>&amp;Nuova planimetria</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Salva co&amp;me...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Du&amp;plicate</source>
        <translation>&amp;Duplica</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Telecamera</translation>
    </message>
    <message>
        <source>&amp;Wall</source>
        <translation>&amp;Muro</translation>
    </message>
    <message>
        <source>&amp;Area to cover</source>
        <translation>&amp;Area da coprire</translation>
    </message>
    <message>
        <source>&amp;Floor plan (picture, DXF, PDF)...</source>
        <translation>&amp;Pianta (immagine, DXF, PDF)...</translation>
    </message>
    <message>
        <source>Background &amp;scale...</source>
        <translation>Scala dello s&amp;fondo...</translation>
    </message>
    <message>
        <source>Zoom to &amp;fit</source>
        <translation>Adatta alla &amp;finestra</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>Show &amp;background</source>
        <translation>Mostra lo &amp;sfondo</translation>
    </message>
    <message>
        <source>&amp;Dim background</source>
        <translation>&amp;Attenua lo sfondo</translation>
    </message>
    <message>
        <source>&amp;Lock background</source>
        <translation>&amp;Blocca lo sfondo</translation>
    </message>
    <message>
        <source>Drawing &amp;layers...</source>
        <translation>&amp;Layer del disegno...</translation>
    </message>
    <message>
        <source>Show dead &amp;zones</source>
        <translation>Mostra le &amp;zone cieche</translation>
    </message>
    <message>
        <source>Site &amp;properties...</source>
        <translation>Proprie&amp;tà del sito...</translation>
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
        <source>Pa&amp;ste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Seleziona tutto</translation>
    </message>
    <message>
        <source>Site &amp;boundary</source>
        <translation>&amp;Confine del sito</translation>
    </message>
    <message>
        <source>Best level</source>
        <translation>Livello migliore</translation>
    </message>
    <message>
        <source>Each camera</source>
        <translation>Ogni telecamera</translation>
    </message>
    <message>
        <source>Wanted level</source>
        <translation>Livello voluto</translation>
    </message>
    <message>
        <source>Plan shows</source>
        <translation>La pianta mostra</translation>
    </message>
    <message>
        <source>The best level any camera meets at each point, each camera&apos;s own bands, or where each camera meets the level it is wanted at</source>
        <translation>Il livello migliore raggiunto da una telecamera in ogni punto, le fasce di ciascuna telecamera, oppure dove ciascuna telecamera raggiunge il livello voluto per essa</translation>
    </message>
    <message>
        <source>S&amp;nap to walls and grid</source>
        <translation>Aggancia a muri e &amp;griglia</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>&amp;Misura</translation>
    </message>
    <message>
        <source>Points snap to wall corners, wall lines and the grid; Alt held turns it off while held.</source>
        <translation>I punti si agganciano agli angoli dei muri, alle linee dei muri e alla griglia; tenendo premuto Alt l&apos;aggancio si disattiva.</translation>
    </message>
    <message>
        <source>Sto&amp;reys...</source>
        <translation>P&amp;iani...</translation>
    </message>
    <message>
        <source>Copy to Sto&amp;reys...</source>
        <translation>Copia sui &amp;piani...</translation>
    </message>
    <message>
        <source>Copies the selected items, or every item of the storey on show when none is selected, to the storeys chosen</source>
        <translation>Copia gli elementi selezionati, o tutti gli elementi del piano mostrato se non ne è selezionato nessuno, sui piani scelti</translation>
    </message>
    <message>
        <source>&amp;Obstacle</source>
        <translation>&amp;Ostacolo</translation>
    </message>
    <message>
        <source>Storey &amp;up</source>
        <translation>Piano s&amp;uperiore</translation>
    </message>
    <message>
        <source>Storey do&amp;wn</source>
        <translation>Piano i&amp;nferiore</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Piano</translation>
    </message>
    <message>
        <source>The storey on show: its items and its floor plan, the storey below faint underneath</source>
        <translation>Il piano mostrato: i suoi elementi e la sua pianta, con il piano inferiore attenuato sotto</translation>
    </message>
    <message>
        <source>View from ca&amp;mera</source>
        <translation>Vista dalla &amp;telecamera</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePropertiesDialog</name>
    <message>
        <source>Site properties</source>
        <translation>Proprietà del sito</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Progetto:</translation>
    </message>
    <message>
        <source>&amp;Client:</source>
        <translation>&amp;Cliente:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Indirizzo:</translation>
    </message>
    <message>
        <source>&amp;Designer:</source>
        <translation>Pro&amp;gettista:</translation>
    </message>
    <message>
        <source>Co&amp;mpany:</source>
        <translation>&amp;Azienda:</translation>
    </message>
    <message>
        <source>&amp;Revision:</source>
        <translation>&amp;Revisione:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>Reference point, &amp;east (m):</source>
        <translation>Punto di riferimento, &amp;est (m):</translation>
    </message>
    <message>
        <source>Reference point, n&amp;orth (m):</source>
        <translation>Punto di riferimento, n&amp;ord (m):</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteRecovery</name>
    <message>
        <source>Unsaved changes are not copied for recovery: another Vistaro keeps its copy in %1.</source>
        <translation>Le modifiche non salvate non vengono copiate per il ripristino: un altro Vistaro conserva la sua copia in %1.</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be written.</source>
        <translation>Impossibile scrivere la copia di ripristino %1.</translation>
    </message>
</context>
<context>
    <name>vistaro::StoreysDialog</name>
    <message>
        <source>Storeys</source>
        <translation>Piani</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>A storey needs a height: %1 has none.</source>
        <translation>Un piano ha bisogno di un&apos;altezza: %1 non ne ha.</translation>
    </message>
    <message>
        <source>storey %1</source>
        <translation>piano %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n item(s), which go with it. Remove it?</source>
        <translation>
            <numerusform>%1 contiene %n elemento, che viene rimosso con esso. Rimuoverlo?</numerusform>
            <numerusform>%1 contiene %n elementi, che vengono rimossi con esso. Rimuoverlo?</numerusform>
        </translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Quota</translation>
    </message>
    <message>
        <source>Floor-to-floor height</source>
        <translation>Altezza di interpiano</translation>
    </message>
    <message>
        <source>Two storeys stand at %1: each needs an elevation of its own.</source>
        <translation>Due piani sono a %1: ognuno ha bisogno di una quota propria.</translation>
    </message>
</context>
<context>
    <name>vistaro::VerdictReasons</name>
    <message>
        <source>Unknown: %1</source>
        <translation>Sconosciuto: %1</translation>
    </message>
    <message>
        <source>Focal</source>
        <translation>Focale</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iride</translation>
    </message>
    <message>
        <source>Covers sensor</source>
        <translation>Copre il sensore</translation>
    </message>
    <message>
        <source>Focuses</source>
        <translation>Mette a fuoco</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Adatto</translation>
    </message>
    <message>
        <source>no search serves the lens type &quot;%1&quot;</source>
        <translation>nessuna ricerca serve il tipo di obiettivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the wanted focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale voluta &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>the focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>the longest focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale massima &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>%1 mm is not longer than the wanted %2 mm</source>
        <translation>%1 mm non supera i %2 mm voluti</translation>
    </message>
    <message>
        <source>%1 mm is longer than the wanted %2 mm</source>
        <translation>%1 mm supera i %2 mm voluti</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies within %2-%3 mm</source>
        <translation>i %1 mm voluti stanno entro %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies outside %2-%3 mm</source>
        <translation>i %1 mm voluti stanno fuori da %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted tele focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale tele voluta &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>%1-%2 mm reaches the wanted %3-%4 mm</source>
        <translation>%1-%2 mm raggiunge i %3-%4 mm voluti</translation>
    </message>
    <message>
        <source>%1-%2 mm does not reach the wanted %3-%4 mm</source>
        <translation>%1-%2 mm non raggiunge i %3-%4 mm voluti</translation>
    </message>
    <message>
        <source>iris %1, as selected</source>
        <translation>iride %1, come scelto</translation>
    </message>
    <message>
        <source>iris %1; %2 is selected</source>
        <translation>iride %1; è scelto %2</translation>
    </message>
    <message>
        <source>the catalogue gives no iris control</source>
        <translation>il catalogo non indica il controllo dell&apos;iride</translation>
    </message>
    <message>
        <source>the lens has no name, whose first letter tells the sensor format</source>
        <translation>l&apos;obiettivo non ha un nome, la cui prima lettera indica il formato del sensore</translation>
    </message>
    <message>
        <source>the name&apos;s first letter &quot;%1&quot; tells no sensor format</source>
        <translation>la prima lettera del nome &quot;%1&quot; non indica alcun formato di sensore</translation>
    </message>
    <message>
        <source>the minimum focus distance &quot;%1&quot; cannot be read</source>
        <translation>la distanza minima di messa a fuoco &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>the distance &quot;%1&quot; cannot be read</source>
        <translation>la distanza &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>the second row&apos;s distance &quot;%1&quot; cannot be read</source>
        <translation>la distanza della seconda riga &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>no minimum focus distance</source>
        <translation>nessuna distanza minima di messa a fuoco</translation>
    </message>
    <message>
        <source>focuses from %1 m; the nearest distance is %2 m</source>
        <translation>mette a fuoco da %1 m; la distanza più vicina è %2 m</translation>
    </message>
    <message>
        <source>focuses only from %1 m; the nearest distance is %2 m</source>
        <translation>mette a fuoco solo da %1 m; la distanza più vicina è %2 m</translation>
    </message>
    <message>
        <source>the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>il sensore o l&apos;immagine della finestra di copertura non sono utilizzabili</translation>
    </message>
    <message>
        <source>no level can be met at %1 m</source>
        <translation>a %1 m non si raggiunge alcun livello</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation>non adatto: %1</translation>
    </message>
    <message>
        <source>cannot be told: %1</source>
        <translation>non si può dire: %1</translation>
    </message>
    <message>
        <source>passes every test</source>
        <translation>supera ogni prova</translation>
    </message>
    <message>
        <source>Type wanted</source>
        <translation>Tipo voluto</translation>
    </message>
    <message>
        <source>type %1, as selected</source>
        <translation>tipo %1, come selezionato</translation>
    </message>
    <message>
        <source>type %1; %2 is selected</source>
        <translation>tipo %1; è selezionato %2</translation>
    </message>
    <message>
        <source>%1 needs %2 mm or longer at %3 m; this lens reaches %4 mm</source>
        <translation>%1 richiede %2 mm o più a %3 m; questo obiettivo arriva a %4 mm</translation>
    </message>
    <message>
        <source>made for %1: its image circle of %2 mm covers the camera&apos;s %3 mm diagonal</source>
        <translation>fatto per %1: il suo cerchio d&apos;immagine di %2 mm copre la diagonale di %3 mm della telecamera</translation>
    </message>
    <message>
        <source>made for %1: its image circle of %2 mm is smaller than the camera&apos;s %3 mm diagonal</source>
        <translation>fatto per %1: il suo cerchio d&apos;immagine di %2 mm è più piccolo della diagonale di %3 mm della telecamera</translation>
    </message>
</context>
<context>
    <name>vistaro::frmSceltaLingua</name>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Language files</source>
        <translation>File di lingua</translation>
    </message>
</context>
</TS>
