<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>It is not an SVG drawing that can be read.</source>
        <translation>Ce n&apos;est pas un dessin SVG lisible.</translation>
    </message>
    <message>
        <source>It is neither a PNG nor a JPEG picture.</source>
        <translation>Ce n&apos;est ni une image PNG ni une image JPEG.</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1</source>
        <translation>Impossible de lire l&apos;image : %1</translation>
    </message>
</context>
<context>
    <name>CoverageDrawing</name>
    <message>
        <source>tilt %1, vertical %2</source>
        <translation>inclinaison %1, verticale %2</translation>
    </message>
    <message>
        <source>dead zone %1</source>
        <translation>zone morte %1</translation>
    </message>
    <message>
        <source>far edge %1</source>
        <translation>bord lointain %1</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>heights x %1</source>
        <translation>hauteurs x %1</translation>
    </message>
    <message>
        <source>far edge unbounded (horizon)</source>
        <translation>bord lointain illimité (horizon)</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>net</translation>
    </message>
    <message>
        <source>continues</source>
        <translation>continue</translation>
    </message>
</context>
<context>
    <name>CoverageReport</name>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Taille de pixel</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Zone d&apos;image</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Niveau voulu</translation>
    </message>
    <message>
        <source>Mounting height</source>
        <translation>Hauteur de montage</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Hauteur de la cible</translation>
    </message>
    <message>
        <source>Fixed focal length</source>
        <translation>Focale fixe</translation>
    </message>
    <message>
        <source>Aspherical</source>
        <translation>Asphérique</translation>
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
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Video drive</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Motorised</source>
        <translation>Motorisé</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Focale</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Focal range</source>
        <translation>Plage focale</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Minimum focus</source>
        <translation>Mise au point minimale</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Fiche technique</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>What the camera sees</source>
        <translation>Ce que voit la caméra</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Camera coverage</source>
        <translation>Couverture de la caméra</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Vue de dessus</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Vue de côté</translation>
    </message>
    <message>
        <source>%1 %2, lens calculator for CCTV cameras</source>
        <translation>%1 %2, calculateur d&apos;objectifs pour caméras de vidéosurveillance</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>Direct drive (DC)</source>
        <translation>Direct (DC)</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>Angle d&apos;inclinaison</translation>
    </message>
    <message>
        <source>%1 m, as the catalogue writes it</source>
        <translation>%1 m, tel qu&apos;écrit dans le catalogue</translation>
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
        <translation>Couverture de la caméra, %1</translation>
    </message>
    <message>
        <source>Camera coverage with %1, %2</source>
        <translation>Couverture de la caméra avec %1, %2</translation>
    </message>
    <message>
        <source>What the camera shows</source>
        <translation>Ce que montre la caméra</translation>
    </message>
    <message>
        <source>A face, a person, a number plate and bars as the camera&apos;s pixels show them</source>
        <translation>Un visage, une personne, une plaque et des barres tels que les pixels de la caméra les montrent</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>Datasheet angle</source>
        <translation>Angle de la fiche technique</translation>
    </message>
    <message>
        <source>F-number (depth of field)</source>
        <translation>Nombre d&apos;ouverture (profondeur de champ)</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Cercle de confusion</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 pixels</translation>
    </message>
    <message>
        <source>Level set</source>
        <translation>Jeu de niveaux</translation>
    </message>
</context>
<context>
    <name>CoverageText</name>
    <message>
        <source>The calculator&apos;s focal length</source>
        <translation>La focale du calculateur</translation>
    </message>
    <message>
        <source>The calculator&apos;s distance</source>
        <translation>La distance du calculateur</translation>
    </message>
    <message>
        <source>The sensor width</source>
        <translation>La largeur du capteur</translation>
    </message>
    <message>
        <source>The sensor height</source>
        <translation>La hauteur du capteur</translation>
    </message>
    <message>
        <source>The pixel size</source>
        <translation>La taille du pixel</translation>
    </message>
    <message>
        <source>The number of columns</source>
        <translation>Le nombre de colonnes</translation>
    </message>
    <message>
        <source>The number of rows</source>
        <translation>Le nombre de lignes</translation>
    </message>
    <message>
        <source>The mounting height</source>
        <translation>La hauteur de montage</translation>
    </message>
    <message>
        <source>The target height</source>
        <translation>La hauteur de la cible</translation>
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
        <translation>Détection</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Recognition</source>
        <translation>Reconnaissance</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Unbounded (horizon)</source>
        <translation>Illimité (horizon)</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>%1 must be greater than zero.</source>
        <translation>%1 doit dépasser zéro.</translation>
    </message>
    <message>
        <source>%1 is too large: at most %2.</source>
        <translation>%1 dépasse la limite : au plus %2.</translation>
    </message>
    <message>
        <source>The camera is below the target and looks above the horizon: it sees no ground.</source>
        <translation>La caméra est sous la cible et regarde au-dessus de l&apos;horizon : elle ne voit pas le sol.</translation>
    </message>
    <message>
        <source>Tele end: %1</source>
        <translation>Position télé : %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Angle horizontal</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Angle vertical</translation>
    </message>
    <message>
        <source>Diagonal angle</source>
        <translation>Angle diagonal</translation>
    </message>
    <message>
        <source>Scene width</source>
        <translation>Largeur de la scène</translation>
    </message>
    <message>
        <source>Scene height</source>
        <translation>Hauteur de la scène</translation>
    </message>
    <message>
        <source>Pixel density</source>
        <translation>Densité de pixels</translation>
    </message>
    <message>
        <source>Level reached</source>
        <translation>Niveau atteint</translation>
    </message>
    <message>
        <source>Needed focal length (%1)</source>
        <translation>Focale nécessaire (%1)</translation>
    </message>
    <message>
        <source>Far ground edge</source>
        <translation>Bord lointain au sol</translation>
    </message>
    <message>
        <source>%1 is too small: at least %2.</source>
        <translation>%1 est sous la limite : au moins %2.</translation>
    </message>
    <message>
        <source>%1 must be more than %2 and less than %3.</source>
        <translation>%1 doit dépasser %2 et rester sous %3.</translation>
    </message>
    <message>
        <source>At this tilt angle the camera looks above the horizon: it sees no ground.</source>
        <translation>Avec cette inclinaison, la caméra regarde au-dessus de l&apos;horizon : elle ne voit pas le sol.</translation>
    </message>
    <message>
        <source>The picture uses %1 of the sensor.</source>
        <translation>L&apos;image utilise %1 du capteur.</translation>
    </message>
    <message>
        <source>Dead zone (near ground edge)</source>
        <translation>Zone morte (bord proche au sol)</translation>
    </message>
    <message>
        <source>The tilt angle</source>
        <translation>L&apos;angle d&apos;inclinaison</translation>
    </message>
    <message>
        <source>%1 is wider than this lens projection can show.</source>
        <translation>%1 est plus large que ce que cette projection d&apos;objectif peut montrer.</translation>
    </message>
    <message>
        <source>Pixel density at the centre</source>
        <translation>Densité de pixels au centre</translation>
    </message>
    <message>
        <source>Pixel density at the edge</source>
        <translation>Densité de pixels au bord</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Net à partir de</translation>
    </message>
    <message>
        <source>Sharp up to</source>
        <translation>Net jusqu&apos;à</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Infini</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Distance hyperfocale</translation>
    </message>
    <message>
        <source>The datasheet&apos;s angle</source>
        <translation>L&apos;angle de la fiche technique</translation>
    </message>
    <message>
        <source>The F-number</source>
        <translation>Le nombre d&apos;ouverture</translation>
    </message>
    <message>
        <source>The circle of confusion</source>
        <translation>Le cercle de confusion</translation>
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
        <translation>En dessous de %1</translation>
    </message>
    <message>
        <source>%1 up to</source>
        <translation>%1 jusqu&apos;à</translation>
    </message>
    <message>
        <source>EN 62676-4</source>
        <translation>EN 62676-4</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Surveillance</translation>
    </message>
    <message>
        <source>Inspection</source>
        <translation>Inspection</translation>
    </message>
    <message>
        <source>Share of screen height</source>
        <translation>Part de la hauteur d&apos;écran</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Détecter</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Observer</translation>
    </message>
    <message>
        <source>Recognise</source>
        <translation>Reconnaître</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Inspecter</translation>
    </message>
    <message>
        <source>Number plates</source>
        <translation>Plaques d&apos;immatriculation</translation>
    </message>
    <message>
        <source>Plate readable</source>
        <translation>Plaque lisible</translation>
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
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>Le fichier dépasse %1 Mio.</translation>
    </message>
    <message>
        <source>This is a binary DXF file; save the drawing as ASCII DXF.</source>
        <translation>Ce fichier est un DXF binaire ; enregistrez le dessin en DXF ASCII.</translation>
    </message>
    <message>
        <source>This is a DWG drawing; save it as a DXF file.</source>
        <translation>Ceci est un dessin DWG ; enregistrez-le en fichier DXF.</translation>
    </message>
    <message>
        <source>Line %1 is too long for a DXF drawing.</source>
        <translation>La ligne %1 est trop longue pour un dessin DXF.</translation>
    </message>
    <message>
        <source>Line %1 announces %2 points, more than the file can hold.</source>
        <translation>La ligne %1 annonce %2 points, plus que le fichier ne peut en contenir.</translation>
    </message>
    <message>
        <source>Line %1 holds no number.</source>
        <translation>La ligne %1 ne contient aucun nombre.</translation>
    </message>
    <message>
        <source>The drawing has more than %1 entities.</source>
        <translation>Le dessin compte plus de %1 entités.</translation>
    </message>
    <message>
        <source>The drawing has more than %1 polyline vertices.</source>
        <translation>Le dessin compte plus de %1 sommets de polyligne.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the drawing.</source>
        <translation>La mémoire ne suffit pas pour lire le dessin.</translation>
    </message>
    <message>
        <source>The drawing is damaged.</source>
        <translation>Le dessin est endommagé.</translation>
    </message>
    <message>
        <source>This is not a DXF drawing.</source>
        <translation>Ce n&apos;est pas un dessin DXF.</translation>
    </message>
    <message>
        <source>The drawing ends early: the file may be cut short.</source>
        <translation>Le dessin s&apos;arrête trop tôt : le fichier est peut-être tronqué.</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>c&apos;est un dossier.</translation>
    </message>
    <message>
        <source>a point of the plan is not a number or lies farther than 10 000 km</source>
        <translation>un point du plan n&apos;est pas un nombre ou se trouve à plus de 10 000 km</translation>
    </message>
    <message>
        <source>the drawing could not be put together in a temporary folder</source>
        <translation>le dessin n&apos;a pas pu être assemblé dans un dossier temporaire</translation>
    </message>
</context>
<context>
    <name>DxfSummary</name>
    <message>
        <source>%n 3D face not drawn</source>
        <translation>%n face 3D non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n 3D faces not drawn</source>
        <translation>
            <numerusform>%n face 3D non dessinée</numerusform>
            <numerusform>%n faces 3D non dessinées</numerusform>
        </translation>
    </message>
    <message>
        <source>%n 3D solid not drawn</source>
        <translation>%n solide 3D non dessiné</translation>
    </message>
    <message numerus="yes">
        <source>%n 3D solids not drawn</source>
        <translation>
            <numerusform>%n solide 3D non dessiné</numerusform>
            <numerusform>%n solides 3D non dessinés</numerusform>
        </translation>
    </message>
    <message>
        <source>%n proxy entity not drawn</source>
        <translation>%n entité proxy non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n proxy entities not drawn</source>
        <translation>
            <numerusform>%n entité proxy non dessinée</numerusform>
            <numerusform>%n entités proxy non dessinées</numerusform>
        </translation>
    </message>
    <message>
        <source>%n table not drawn</source>
        <translation>%n tableau non dessiné</translation>
    </message>
    <message numerus="yes">
        <source>%n tables not drawn</source>
        <translation>
            <numerusform>%n tableau non dessiné</numerusform>
            <numerusform>%n tableaux non dessinés</numerusform>
        </translation>
    </message>
    <message>
        <source>%n body not drawn</source>
        <translation>%n corps non dessiné</translation>
    </message>
    <message numerus="yes">
        <source>%n bodies not drawn</source>
        <translation>
            <numerusform>%n corps non dessiné</numerusform>
            <numerusform>%n corps non dessinés</numerusform>
        </translation>
    </message>
    <message>
        <source>%n underlay not drawn</source>
        <translation>%n sous-couche non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n underlays not drawn</source>
        <translation>
            <numerusform>%n sous-couche non dessinée</numerusform>
            <numerusform>%n sous-couches non dessinées</numerusform>
        </translation>
    </message>
    <message>
        <source>%n image not drawn</source>
        <translation>%n image non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n images not drawn</source>
        <translation>
            <numerusform>%n image non dessinée</numerusform>
            <numerusform>%n images non dessinées</numerusform>
        </translation>
    </message>
    <message>
        <source>%n light not drawn</source>
        <translation>%n source lumineuse non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n lights not drawn</source>
        <translation>
            <numerusform>%n source lumineuse non dessinée</numerusform>
            <numerusform>%n sources lumineuses non dessinées</numerusform>
        </translation>
    </message>
    <message>
        <source>%n mesh not drawn</source>
        <translation>%n maillage non dessiné</translation>
    </message>
    <message numerus="yes">
        <source>%n meshes not drawn</source>
        <translation>
            <numerusform>%n maillage non dessiné</numerusform>
            <numerusform>%n maillages non dessinés</numerusform>
        </translation>
    </message>
    <message>
        <source>%n embedded object not drawn</source>
        <translation>%n objet incorporé non dessiné</translation>
    </message>
    <message numerus="yes">
        <source>%n embedded objects not drawn</source>
        <translation>
            <numerusform>%n objet incorporé non dessiné</numerusform>
            <numerusform>%n objets incorporés non dessinés</numerusform>
        </translation>
    </message>
    <message>
        <source>%n ray not drawn</source>
        <translation>%n demi-droite non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n rays not drawn</source>
        <translation>
            <numerusform>%n demi-droite non dessinée</numerusform>
            <numerusform>%n demi-droites non dessinées</numerusform>
        </translation>
    </message>
    <message>
        <source>%n region not drawn</source>
        <translation>%n région non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n regions not drawn</source>
        <translation>
            <numerusform>%n région non dessinée</numerusform>
            <numerusform>%n régions non dessinées</numerusform>
        </translation>
    </message>
    <message>
        <source>%n surface not drawn</source>
        <translation>%n surface non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n surfaces not drawn</source>
        <translation>
            <numerusform>%n surface non dessinée</numerusform>
            <numerusform>%n surfaces non dessinées</numerusform>
        </translation>
    </message>
    <message>
        <source>%n viewport not drawn</source>
        <translation>%n fenêtre de présentation non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n viewports not drawn</source>
        <translation>
            <numerusform>%n fenêtre de présentation non dessinée</numerusform>
            <numerusform>%n fenêtres de présentation non dessinées</numerusform>
        </translation>
    </message>
    <message>
        <source>%n wipeout not drawn</source>
        <translation>%n masque non dessiné</translation>
    </message>
    <message numerus="yes">
        <source>%n wipeouts not drawn</source>
        <translation>
            <numerusform>%n masque non dessiné</numerusform>
            <numerusform>%n masques non dessinés</numerusform>
        </translation>
    </message>
    <message>
        <source>%n construction line not drawn</source>
        <translation>%n ligne de construction non dessinée</translation>
    </message>
    <message numerus="yes">
        <source>%n construction lines not drawn</source>
        <translation>
            <numerusform>%n ligne de construction non dessinée</numerusform>
            <numerusform>%n lignes de construction non dessinées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 entity not drawn</source>
        <translation>
            <numerusform>%n entité %1 non dessinée</numerusform>
            <numerusform>%n entités %1 non dessinées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 entities not drawn</source>
        <translation>
            <numerusform>%n entité %1 non dessinée</numerusform>
            <numerusform>%n entités %1 non dessinées</numerusform>
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
        <translation>Rectilinéaire (sténopé)</translation>
    </message>
    <message>
        <source>Equidistant fisheye (r = f·θ)</source>
        <translation>Fisheye équidistant (r = f·θ)</translation>
    </message>
    <message>
        <source>Equisolid fisheye (r = 2f·sin θ/2)</source>
        <translation>Fisheye équisolide (r = 2f·sin θ/2)</translation>
    </message>
    <message>
        <source>Stereographic (r = 2f·tan θ/2)</source>
        <translation>Stéréographique (r = 2f·tan θ/2)</translation>
    </message>
    <message>
        <source>Orthographic (r = f·sin θ)</source>
        <translation>Orthographique (r = f·sin θ)</translation>
    </message>
    <message>
        <source>Active area %1, diagonal %2 mm.</source>
        <translation>Surface active %1, diagonale %2 mm.</translation>
    </message>
    <message>
        <source>As typed.</source>
        <translation>Telle que saisie.</translation>
    </message>
    <message>
        <source>Pixel size x resolution: the sensor&apos;s own active area.</source>
        <translation>Taille du pixel x résolution : la surface active du capteur lui-même.</translation>
    </message>
    <message>
        <source>Nominal format %1: the size of the format&apos;s name, not a measured active area; type the pixel size where the datasheet gives it.</source>
        <translation>Format nominal %1 : la taille qui donne son nom au format, pas une surface active mesurée ; saisir la taille du pixel quand la fiche technique l&apos;indique.</translation>
    </message>
    <message>
        <source>Nominal format %1: the typical active area of sensors sold under it.</source>
        <translation>Format nominal %1 : la surface active typique des capteurs vendus sous ce nom.</translation>
    </message>
    <message>
        <source>Camera: the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>Caméra : le capteur ou la taille d&apos;image de la fenêtre de couverture est inutilisable</translation>
    </message>
    <message>
        <source>Camera: %1, %2 x %3</source>
        <translation>Caméra : %1, %2 x %3</translation>
    </message>
</context>
<context>
    <name>PreviewSheet</name>
    <message>
        <source>At the aim distance</source>
        <translation>À la distance visée</translation>
    </message>
    <message>
        <source>At the aim distance (%1)</source>
        <translation>À la distance visée (%1)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No pixel density: the coverage window&apos;s inputs give none.</source>
        <translation>Aucune densité de pixels : les données de la fenêtre de couverture n&apos;en donnent pas.</translation>
    </message>
    <message>
        <source>%1 x %2 px</source>
        <translation>%1 x %2 px</translation>
    </message>
    <message>
        <source>Outside the sharp zone: blur %1 px</source>
        <translation>Hors de la zone nette : flou de %1 px</translation>
    </message>
    <message>
        <source>Outside the sharp zone at %1: blur %2 px</source>
        <translation>Hors de la zone nette en %1 : flou de %2 px</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>there is no picture to save</source>
        <translation>il n&apos;y a aucune image à enregistrer</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n&apos;a pas pu être dessinée</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé sur « %1 ».</translation>
    </message>
    <message>
        <source>the picture could not be written as PNG</source>
        <translation>l&apos;image n&apos;a pas pu être écrite en PNG</translation>
    </message>
</context>
<context>
    <name>TargetText</name>
    <message>
        <source>Face, 16 cm wide</source>
        <translation>Visage, 16 cm de large</translation>
    </message>
    <message>
        <source>Person, 1.7 m tall</source>
        <translation>Personne, 1,7 m de haut</translation>
    </message>
    <message>
        <source>Number plate, 520 x 110 mm</source>
        <translation>Plaque d&apos;immatriculation, 520 x 110 mm</translation>
    </message>
    <message>
        <source>Bars of 40, 16, 8 and 4 mm</source>
        <translation>Barres de 40, 16, 8 et 4 mm</translation>
    </message>
</context>
<context>
    <name>TestChart</name>
    <message>
        <source>Printed at 100 % this line is 100 mm long. If it is not, print again at actual size (no fitting to the page).</source>
        <translation>Imprimée à 100 % cette ligne mesure 100 mm. Sinon, imprimez de nouveau en taille réelle (sans ajuster à la page).</translation>
    </message>
    <message>
        <source>Counting bar, %1 mm</source>
        <translation>Barre de comptage, %1 mm</translation>
    </message>
    <message>
        <source>%1 mm (%2 in)</source>
        <translation>%1 mm (%2 po)</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Hold this sheet upright at the aim distance (%1), facing the camera. In the live picture, count the pixels across the black counting bar (%2).</source>
        <translation>Tenez cette feuille droite à la distance visée (%1), face à la caméra. Dans l&apos;image en direct, comptez les pixels sur la barre noire de comptage (%2).</translation>
    </message>
    <message>
        <source>The design gives %1 pixels across it there.</source>
        <translation>La conception y donne %1 pixels.</translation>
    </message>
    <message>
        <source>%1: %2 pixels</source>
        <translation>%1 : %2 pixels</translation>
    </message>
    <message>
        <source>Each level needs at least: %1.</source>
        <translation>Chaque niveau demande au moins : %1.</translation>
    </message>
    <message>
        <source>Each pair of bars below is resolved when the picture shows the gap between them: at detection the 40 mm pair, at observation 16 mm, at recognition 8 mm, at identification 4 mm.</source>
        <translation>Chaque paire de barres ci-dessous est résolue quand l&apos;image montre l&apos;espace entre elles : en détection la paire de 40 mm, en observation 16 mm, en reconnaissance 8 mm, en identification 4 mm.</translation>
    </message>
    <message>
        <source>Test chart: what the camera resolves</source>
        <translation>Mire de test : ce que la caméra résout</translation>
    </message>
    <message>
        <source>Number plate characters, %1 mm tall</source>
        <translation>Caractères de plaque, %1 mm de haut</translation>
    </message>
    <message>
        <source>A face at its size, the head %1 mm wide</source>
        <translation>Un visage en taille réelle, la tête de %1 mm de large</translation>
    </message>
    <message>
        <source>Test chart</source>
        <translation>Mire de test</translation>
    </message>
    <message>
        <source>Test chart %1</source>
        <translation>Mire de test %1</translation>
    </message>
</context>
<context>
    <name>vistaro::AboutBox</name>
    <message>
        <source>About Vistaro</source>
        <translation>À propos de Vistaro</translation>
    </message>
    <message>
        <source>Vistaro %1</source>
        <translation>Vistaro %1</translation>
    </message>
    <message>
        <source>Lens calculator for CCTV cameras</source>
        <translation>Calculateur d’objectifs pour caméras de vidéosurveillance</translation>
    </message>
    <message>
        <source>Copyright 2026 The Vistaro developers. Vistaro is free software under the &lt;a href=&quot;%1&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt;; it comes with absolutely no warranty.</source>
        <translation>Copyright 2026 les développeurs de Vistaro. Vistaro est un logiciel libre sous la &lt;a href=&quot;%1&quot;&gt;GNU General Public License, version 3 ou ultérieure&lt;/a&gt; ; il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Qt %1 (built with Qt %2)</source>
        <translation>Qt %1 (compilé avec Qt %2)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Fichier des réglages : %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>vistaro::AreaPanel</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>N&amp;iveau :</translation>
    </message>
    <message>
        <source>&amp;Required share:</source>
        <translation>&amp;Part requise :</translation>
    </message>
    <message>
        <source>The share of the area that must be covered at its level for it to be met</source>
        <translation>La part de la zone qui doit être couverte à son niveau pour qu&apos;elle soit satisfaite</translation>
    </message>
</context>
<context>
    <name>vistaro::AreaTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Covered (%)</source>
        <translation>Couverte (%)</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Étage</translation>
    </message>
</context>
<context>
    <name>vistaro::BackgroundController</name>
    <message>
        <source>Show background</source>
        <translation>Afficher le fond</translation>
    </message>
    <message>
        <source>Hide background</source>
        <translation>Masquer le fond</translation>
    </message>
    <message>
        <source>Dim background</source>
        <translation>Assombrir le fond</translation>
    </message>
    <message>
        <source>Brighten background</source>
        <translation>Éclaircir le fond</translation>
    </message>
    <message>
        <source>Lock background</source>
        <translation>Bloquer le fond</translation>
    </message>
    <message>
        <source>Unlock background</source>
        <translation>Débloquer le fond</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Image de fond</translation>
    </message>
    <message>
        <source>Floor plans (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)</source>
        <translation>Plans d&apos;étage (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be shown: %2</source>
        <translation>Impossible d&apos;afficher l&apos;image de fond %1 : %2</translation>
    </message>
    <message>
        <source>Load background</source>
        <translation>Charger le fond</translation>
    </message>
    <message>
        <source>Background scale</source>
        <translation>Échelle du fond</translation>
    </message>
    <message>
        <source>Distance between the two points (%1):</source>
        <translation>Distance entre les deux points (%1) :</translation>
    </message>
    <message>
        <source>Set background scale</source>
        <translation>Fixer l&apos;échelle du fond</translation>
    </message>
    <message>
        <source>Change drawing layers</source>
        <translation>Modifier les calques du dessin</translation>
    </message>
    <message>
        <source>Walls from layers</source>
        <translation>Murs depuis les calques</translation>
    </message>
    <message numerus="yes">
        <source>%n obstacle made from the drawing&apos;s layers</source>
        <translation>
            <numerusform>%n obstacle créé à partir des calques du dessin</numerusform>
            <numerusform>%n obstacles créés à partir des calques du dessin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n obstacles made from the drawing&apos;s layers</source>
        <translation>
            <numerusform>%n obstacle créé à partir des calques du dessin</numerusform>
            <numerusform>%n obstacles créés à partir des calques du dessin</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n open outline passed over</source>
        <translation>
            <numerusform> ; %n contour ouvert ignoré</numerusform>
            <numerusform> ; %n contours ouverts ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n open outlines passed over</source>
        <translation>
            <numerusform> ; %n contour ouvert ignoré</numerusform>
            <numerusform> ; %n contours ouverts ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>Obstacles from layers</source>
        <translation>Obstacles depuis les calques</translation>
    </message>
</context>
<context>
    <name>vistaro::CConsiglia</name>
    <message>
        <source>Previous lens</source>
        <translation>Objectif précédent</translation>
    </message>
    <message>
        <source>Next lens</source>
        <translation>Objectif suivant</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Fiche technique</translation>
    </message>
    <message>
        <source>Reset the index</source>
        <translation>Remettre l&apos;index à zéro</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Next index</source>
        <translation>Index suivant</translation>
    </message>
    <message>
        <source>Lens model</source>
        <translation>Modèle d&apos;objectif</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Focale</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Iris control</source>
        <translation>Contrôle de l&apos;iris</translation>
    </message>
    <message>
        <source>Minimum focus distance</source>
        <translation>Distance minimale de mise au point</translation>
    </message>
    <message>
        <source>Remark and scenes at the distances typed</source>
        <translation>Remarque et scènes aux distances saisies</translation>
    </message>
    <message>
        <source>(the lens may not focus at the distance typed)</source>
        <translation>(l&apos;objectif risque de ne pas faire la mise au point à la distance saisie)</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraPanel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Orientation (° depuis l&apos;est)</translation>
    </message>
    <message>
        <source>Mounting height (%1)</source>
        <translation>Hauteur de montage (%1)</translation>
    </message>
    <message>
        <source>Aimed by</source>
        <translation>Visée par</translation>
    </message>
    <message>
        <source>Target height (%1)</source>
        <translation>Hauteur de la cible (%1)</translation>
    </message>
    <message>
        <source>Tilt (° down)</source>
        <translation>Inclinaison (° vers le bas)</translation>
    </message>
    <message>
        <source>Aim distance (%1)</source>
        <translation>Distance visée (%1)</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>Largeur du capteur (mm)</translation>
    </message>
    <message>
        <source>Sensor height (mm)</source>
        <translation>Hauteur du capteur (mm)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>Tele end (mm)</source>
        <translation>Extrémité télé (mm)</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Niveau voulu</translation>
    </message>
    <message>
        <source>Select one camera on the plan or in the table to see and change it here.</source>
        <translation>Sélectionnez une caméra sur le plan ou dans le tableau pour la voir et la modifier ici.</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Hauteur de la cible</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Inclinaison</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>&amp;Show in coverage window</source>
        <translation>&amp;Afficher dans la fenêtre Couverture</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Aperçu...</translation>
    </message>
    <message>
        <source>Preview of what the camera shows</source>
        <translation>Aperçu de ce que montre la caméra</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>Datasheet angle (° across)</source>
        <translation>Angle de la fiche technique (° horizontaux)</translation>
    </message>
    <message>
        <source>Camera properties</source>
        <translation>Propriétés de la caméra</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Pan (°)</source>
        <translation>Orientation (°)</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Hauteur de la cible</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Étage</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraViewWindow</name>
    <message>
        <source>Select a camera to see its view.</source>
        <translation>Sélectionnez une caméra pour voir sa vue.</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Vue : %1</translation>
    </message>
    <message>
        <source>View from camera</source>
        <translation>Vue depuis la caméra</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Floor in %1</source>
        <translation>Sol dans %1</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>Obstacle %1</source>
        <translation>Obstacle %1</translation>
    </message>
    <message>
        <source>Person at %1</source>
        <translation>Personne à %1</translation>
    </message>
    <message>
        <source>%1: dead zone</source>
        <translation>%1 : zone morte</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1 : %2, %3</translation>
    </message>
    <message>
        <source>Save the camera&apos;s view as PNG</source>
        <translation>Enregistrer la vue de la caméra en PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>View %1</source>
        <translation>Vue %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save as PNG...</source>
        <translation>&amp;Enregistrer en PNG...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>C&amp;lear targets</source>
        <translation>E&amp;ffacer les cibles</translation>
    </message>
    <message>
        <source>Place &amp;target:</source>
        <translation>&amp;Placer une cible :</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Target to place with a click on the floor</source>
        <translation>Cible à placer d&apos;un clic sur le sol</translation>
    </message>
    <message>
        <source>View from the camera</source>
        <translation>Vue depuis la caméra</translation>
    </message>
    <message>
        <source>The arrows move a cross over the picture (Shift: faster); Enter places the chosen target there</source>
        <translation>Les flèches déplacent une croix sur l&apos;image (Maj : plus vite) ; Entrée y place la cible choisie</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>What the pointer is over</source>
        <translation>Ce qui se trouve sous le pointeur</translation>
    </message>
    <message>
        <source>Choose a target, then click the floor in the picture or on the plan to stand it there</source>
        <translation>Choisissez une cible, puis cliquez sur le sol dans l&apos;image ou sur le plan pour l&apos;y placer</translation>
    </message>
</context>
<context>
    <name>vistaro::CopyToStoreysDialog</name>
    <message>
        <source>Copy to storeys</source>
        <translation>Copier vers les étages</translation>
    </message>
</context>
<context>
    <name>vistaro::CoverageWindow</name>
    <message>
        <source>Coverage</source>
        <translation>Couverture</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>What the camera sees</source>
        <translation>Ce que voit la caméra</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Taille (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Taille du pixel (µm)</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Columns x rows</source>
        <translation>Colonnes x lignes</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Niveau voulu</translation>
    </message>
    <message>
        <source>Mounting height (%1)</source>
        <translation>Hauteur de montage (%1)</translation>
    </message>
    <message>
        <source>Target height (%1)</source>
        <translation>Hauteur de la cible (%1)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>The calculator&apos;s format</source>
        <translation>Le format du calculateur</translation>
    </message>
    <message>
        <source>Custom size</source>
        <translation>Taille personnalisée</translation>
    </message>
    <message>
        <source>Pixel size x resolution</source>
        <translation>Taille du pixel x résolution</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Metric (m, px/m)</source>
        <translation>Métrique (m, px/m)</translation>
    </message>
    <message>
        <source>Imperial (ft, px/ft)</source>
        <translation>Impérial (ft, px/ft)</translation>
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
        <translation>Utiliser dans le calculateur</translation>
    </message>
    <message>
        <source>Use in calculator (TELE)</source>
        <translation>Utiliser dans le calculateur (TELE)</translation>
    </message>
    <message>
        <source>The calculator&apos;s scene sizes are those of its own format, not of this sensor.</source>
        <translation>Les tailles de scène du calculateur sont celles de son propre format, pas de ce capteur.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>Enregistrer l&apos;image...</translation>
    </message>
    <message>
        <source>Copy image</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save the views as a picture</source>
        <translation>Enregistrer les vues en image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Aim</source>
        <translation>Visée</translation>
    </message>
    <message>
        <source>Tilt angle (° down)</source>
        <translation>Inclinaison (° vers le bas)</translation>
    </message>
    <message>
        <source>Aim at target height</source>
        <translation>Viser la hauteur de la cible</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>Angle d&apos;inclinaison</translation>
    </message>
    <message>
        <source>The focal length the level needs is longer than the calculator takes (at most %1).</source>
        <translation>La focale que demande le niveau est plus longue que ce qu&apos;accepte le calculateur (au plus %1).</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Projection</translation>
    </message>
    <message>
        <source>Datasheet angle (° across)</source>
        <translation>Angle de la fiche technique (° horizontaux)</translation>
    </message>
    <message>
        <source>F-number</source>
        <translation>Nombre d&apos;ouverture</translation>
    </message>
    <message>
        <source>Circle of confusion (pixels)</source>
        <translation>Cercle de confusion (pixels)</translation>
    </message>
    <message>
        <source>from the focal length</source>
        <translation>d&apos;après la focale</translation>
    </message>
    <message>
        <source>The horizontal angle of view the lens&apos;s datasheet states for this sensor; it stands instead of the focal length&apos;s.</source>
        <translation>L&apos;angle de champ horizontal que la fiche technique de l&apos;objectif indique pour ce capteur ; il remplace celui de la focale.</translation>
    </message>
    <message>
        <source>The blur that still reads as sharp, in pixel widths.</source>
        <translation>Le flou qui se lit encore comme net, en largeurs de pixel.</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Aperçu...</translation>
    </message>
    <message>
        <source>Preview of what the camera shows</source>
        <translation>Aperçu de ce que montre la caméra</translation>
    </message>
    <message>
        <source>Test chart...</source>
        <translation>Mire de test...</translation>
    </message>
    <message>
        <source>Save a test chart to print</source>
        <translation>Enregistrer une mire de test à imprimer</translation>
    </message>
    <message>
        <source>Save the test chart</source>
        <translation>Enregistrer la mire de test</translation>
    </message>
    <message>
        <source>Level set</source>
        <translation>Jeu de niveaux</translation>
    </message>
    <message>
        <source>Number plate</source>
        <translation>Plaque d&apos;immatriculation</translation>
    </message>
    <message>
        <source>European plate, 520 mm</source>
        <translation>Plaque européenne, 520 mm</translation>
    </message>
    <message>
        <source>United States plate, 305 mm</source>
        <translation>Plaque américaine, 305 mm</translation>
    </message>
    <message>
        <source> px across the plate</source>
        <translation> px sur la largeur de la plaque</translation>
    </message>
    <message>
        <source>Your sets...</source>
        <translation>Vos jeux...</translation>
    </message>
    <message>
        <source>Number plate width</source>
        <translation>Largeur de la plaque</translation>
    </message>
    <message>
        <source>Pixels needed across the plate</source>
        <translation>Pixels nécessaires sur la largeur de la plaque</translation>
    </message>
    <message>
        <source>Edit your own level sets</source>
        <translation>Modifier vos jeux de niveaux</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>Largeur du capteur (mm)</translation>
    </message>
    <message>
        <source>Sensor height (mm)</source>
        <translation>Hauteur du capteur (mm)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Vue de dessus</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Vue de côté</translation>
    </message>
    <message>
        <source>%1, wide end</source>
        <translation>%1, côté grand angle</translation>
    </message>
    <message>
        <source>%1, tele end</source>
        <translation>%1, côté télé</translation>
    </message>
</context>
<context>
    <name>vistaro::DraftFields</name>
    <message>
        <source>Length (%1):</source>
        <translation>Longueur (%1) :</translation>
    </message>
    <message>
        <source>Angle (°):</source>
        <translation>Angle (°) :</translation>
    </message>
    <message>
        <source>Length of the segment drawn</source>
        <translation>Longueur du segment tracé</translation>
    </message>
    <message>
        <source>Angle of the segment drawn, counter-clockwise from east</source>
        <translation>Angle du segment tracé, dans le sens antihoraire depuis l&apos;est</translation>
    </message>
    <message>
        <source>Type a figure and press Enter to place the next point; Tab goes to the other field, Esc back to the plan.</source>
        <translation>Saisissez une valeur et appuyez sur Entrée pour placer le point suivant ; Tab passe à l&apos;autre champ, Échap revient au plan.</translation>
    </message>
</context>
<context>
    <name>vistaro::DxfLayersDialog</name>
    <message>
        <source>Drawing layers</source>
        <translation>Calques du dessin</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Calque</translation>
    </message>
    <message>
        <source>Entities</source>
        <translation>Entités</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Affiché</translation>
    </message>
    <message>
        <source>Use as walls</source>
        <translation>Utiliser comme murs</translation>
    </message>
    <message>
        <source>Not drawn</source>
        <translation>Non dessiné</translation>
    </message>
    <message>
        <source>Obstacles of layer %1</source>
        <translation>Obstacles du calque %1</translation>
    </message>
    <message>
        <source>Use as obstacles</source>
        <translation>Utiliser comme obstacles</translation>
    </message>
</context>
<context>
    <name>vistaro::FigureCaptions</name>
    <message>
        <source>Density at aim</source>
        <translation>Densité au point visé</translation>
    </message>
    <message>
        <source>Area at level</source>
        <translation>Surface au niveau</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Surface</translation>
    </message>
    <message>
        <source>%1: %2, %3 % %4</source>
        <translation>%1 : %2, %3 % %4</translation>
    </message>
</context>
<context>
    <name>vistaro::HeightFields</name>
    <message>
        <source>The height above the floor where it starts to block sight</source>
        <translation>La hauteur au-dessus du sol à partir de laquelle il commence à masquer la vue</translation>
    </message>
    <message>
        <source>The height above the floor where it stops blocking sight</source>
        <translation>La hauteur au-dessus du sol à laquelle il cesse de masquer la vue</translation>
    </message>
    <message>
        <source>To the &amp;ceiling</source>
        <translation>Jusqu&apos;au &amp;plafond</translation>
    </message>
    <message>
        <source>To the ceiling</source>
        <translation>Jusqu&apos;au plafond</translation>
    </message>
    <message>
        <source>&amp;Bottom (%1):</source>
        <translation>&amp;Base (%1) :</translation>
    </message>
    <message>
        <source>&amp;Top (%1):</source>
        <translation>&amp;Sommet (%1) :</translation>
    </message>
</context>
<context>
    <name>vistaro::LensFinder</name>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Lens finder</source>
        <translation>Recherche d&apos;objectifs</translation>
    </message>
    <message>
        <source>&amp;Name or remark:</source>
        <translation>&amp;Nom ou remarque :</translation>
    </message>
    <message>
        <source>part of the name or remark</source>
        <translation>partie du nom ou de la remarque</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tous les types</translation>
    </message>
    <message>
        <source>&amp;Only lenses that fit</source>
        <translation>&amp;Seulement les objectifs adaptés</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Selected type (%1)</source>
        <translation>Type choisi (%1)</translation>
    </message>
    <message>
        <source>%1 of %2 lenses</source>
        <translation>%1 objectifs sur %2</translation>
    </message>
    <message>
        <source>Lenses</source>
        <translation>Objectifs</translation>
    </message>
</context>
<context>
    <name>vistaro::LensTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
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
        <translation>Mise au point min. (m)</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Fiche technique</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>The catalogue names no datasheet for this lens.</source>
        <translation>Le catalogue n&apos;indique aucune fiche technique pour cet objectif.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absente</translation>
    </message>
    <message>
        <source>fits</source>
        <translation>convient</translation>
    </message>
    <message>
        <source>does not fit</source>
        <translation>ne convient pas</translation>
    </message>
    <message>
        <source>cannot be told</source>
        <translation>impossible à dire</translation>
    </message>
</context>
<context>
    <name>vistaro::LevelSetDialog</name>
    <message>
        <source>Level sets of your own</source>
        <translation>Vos jeux de niveaux</translation>
    </message>
    <message>
        <source>Your level sets</source>
        <translation>Vos jeux de niveaux</translation>
    </message>
    <message>
        <source>Name of the level set</source>
        <translation>Nom du jeu de niveaux</translation>
    </message>
    <message>
        <source>Unit of the densities</source>
        <translation>Unité des densités</translation>
    </message>
    <message>
        <source>Levels, lowest first</source>
        <translation>Niveaux, du plus bas au plus haut</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densité</translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>Remove set</source>
        <translation>Supprimer le jeu</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exporter...</translation>
    </message>
    <message>
        <source>Add level</source>
        <translation>Ajouter un niveau</translation>
    </message>
    <message>
        <source>Remove level</source>
        <translation>Supprimer le niveau</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Unité</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Niveau 1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be kept: %2</source>
        <translation>Le jeu de niveaux « %1 » ne peut pas être gardé : %2</translation>
    </message>
    <message>
        <source>There is a level set named &quot;%1&quot; already.</source>
        <translation>Il existe déjà un jeu de niveaux nommé « %1 ».</translation>
    </message>
    <message>
        <source>Import a level set</source>
        <translation>Importer un jeu de niveaux</translation>
    </message>
    <message>
        <source>Level sets (*.json)</source>
        <translation>Jeux de niveaux (*.json)</translation>
    </message>
    <message>
        <source>Export the level set</source>
        <translation>Exporter le jeu de niveaux</translation>
    </message>
</context>
<context>
    <name>vistaro::LevelSetFile</name>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>pas un nombre positif</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>supérieur à %1</translation>
    </message>
    <message>
        <source>a name is expected</source>
        <translation>un nom est attendu</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus long que %1 caractères</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no level set this program knows</source>
        <translation>« %1 » n&apos;est pas un jeu de niveaux connu de ce programme</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;px/m&quot; nor &quot;px/ft&quot;</source>
        <translation>« %1 » n&apos;est ni « px/m » ni « px/ft »</translation>
    </message>
    <message>
        <source>a list of 1 to %1 levels is expected</source>
        <translation>une liste de 1 à %1 niveaux est attendue</translation>
    </message>
    <message>
        <source>larger than %1 KiB, more than any level set needs</source>
        <translation>plus de %1 Kio, plus que tout jeu de niveaux n&apos;en demande</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>not a Vistaro level set file</source>
        <translation>pas un fichier de jeu de niveaux Vistaro</translation>
    </message>
    <message>
        <source>a version this program does not read</source>
        <translation>une version que ce programme ne lit pas</translation>
    </message>
</context>
<context>
    <name>vistaro::Obbiettivi</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Coverage...</source>
        <translation>&amp;Couverture...</translation>
    </message>
    <message>
        <source>Lens &amp;finder...</source>
        <translation>&amp;Recherche d&apos;objectifs...</translation>
    </message>
    <message>
        <source>About Vistaro</source>
        <translation>À propos de Vistaro</translation>
    </message>
    <message>
        <source>&amp;Site plan...</source>
        <translation>&amp;Plan du site...</translation>
    </message>
    <message>
        <source>Focal length in mm</source>
        <translation>Focale en mm</translation>
    </message>
    <message>
        <source>Distance to the scene in m</source>
        <translation>Distance de la scène en m</translation>
    </message>
    <message>
        <source>Scene width in m</source>
        <translation>Largeur de la scène en m</translation>
    </message>
    <message>
        <source>Scene height in m</source>
        <translation>Hauteur de la scène en m</translation>
    </message>
    <message>
        <source>%1, tele end</source>
        <translation>%1, côté télé</translation>
    </message>
    <message>
        <source>%1, wide end</source>
        <translation>%1, côté grand angle</translation>
    </message>
    <message>
        <source>%1 inch sensor</source>
        <translation>Capteur %1 pouce</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculateur</translation>
    </message>
    <message>
        <source>Shows the catalogue&apos;s lenses that fit the focal length, sensor and iris chosen</source>
        <translation>Montre les objectifs du catalogue qui conviennent à la focale, au capteur et à l&apos;iris choisis</translation>
    </message>
</context>
<context>
    <name>vistaro::ObstaclePanel</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>vistaro::ObstacleTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Étage</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Sommet</translation>
    </message>
</context>
<context>
    <name>vistaro::PdfViewer</name>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit to the width</source>
        <translation>Ajuster à la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>Show a whole page</source>
        <translation>Afficher une page entière</translation>
    </message>
    <message>
        <source>This datasheet cannot be displayed.</source>
        <translation>Cette fiche technique ne peut pas être affichée.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 pages</translation>
    </message>
    <message>
        <source>Datasheet pages</source>
        <translation>Pages de la fiche technique</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanImport</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The PDF is protected by a password.</source>
        <translation>Le PDF est protégé par un mot de passe.</translation>
    </message>
    <message>
        <source>It is not a PDF that can be read.</source>
        <translation>Ce n&apos;est pas un PDF lisible.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centimètres</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>Drawing units</source>
        <translation>Unités du dessin</translation>
    </message>
    <message>
        <source>The drawing %1 does not say in which units it is drawn. Its units are:</source>
        <translation>Le dessin %1 n&apos;indique pas dans quelles unités il est dessiné. Ses unités sont :</translation>
    </message>
    <message>
        <source>PDF plan</source>
        <translation>Plan PDF</translation>
    </message>
    <message>
        <source>Page to show (1 to %1):</source>
        <translation>Page à afficher (1 à %1) :</translation>
    </message>
    <message>
        <source>Resolution to render the page at (dpi):</source>
        <translation>Résolution du rendu de la page (dpi) :</translation>
    </message>
    <message>
        <source>The drawing holds nothing to draw.</source>
        <translation>Le dessin ne contient rien à dessiner.</translation>
    </message>
    <message>
        <source>The PDF has no page %1.</source>
        <translation>Le PDF n&apos;a pas de page %1.</translation>
    </message>
    <message>
        <source>At %1 dpi page %2 would take %3 megapixels, more than the %4 a plan may take. Choose a lower resolution.</source>
        <translation>À %1 dpi, la page %2 ferait %3 mégapixels, plus que les %4 permis pour un plan. Choisissez une résolution plus basse.</translation>
    </message>
    <message>
        <source>Page %1 cannot be rendered.</source>
        <translation>La page %1 ne peut pas être rendue.</translation>
    </message>
    <message>
        <source>The drawing holds nothing to draw: %1.</source>
        <translation>Le dessin ne contient rien à dessiner : %1.</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanTool</name>
    <message>
        <source>Click the wall&apos;s corners; double-click or Enter ends it, Esc cancels.</source>
        <translation>Cliquez sur les angles du mur ; un double-clic ou Entrée le termine, Échap annule.</translation>
    </message>
    <message>
        <source>Click the area&apos;s corners; double-click or Enter closes it, Esc cancels.</source>
        <translation>Cliquez sur les angles de la zone ; un double-clic ou Entrée la ferme, Échap annule.</translation>
    </message>
    <message>
        <source>Click two points of the background whose distance you know; Esc cancels.</source>
        <translation>Cliquez sur deux points du fond dont vous connaissez la distance ; Échap annule.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Measured: %1. Click to measure again, Esc clears.</source>
        <translation>Mesuré : %1. Cliquez pour mesurer à nouveau, Échap efface.</translation>
    </message>
    <message>
        <source>Click two points to measure between them; Esc ends.</source>
        <translation>Cliquez sur deux points pour mesurer entre eux ; Échap termine.</translation>
    </message>
    <message>
        <source>Click the corners of the site&apos;s boundary, which replaces the one before; double-click or Enter closes it, Esc cancels.</source>
        <translation>Cliquez sur les angles de la limite du site, qui remplace la précédente ; un double-clic ou Entrée la ferme, Échap annule.</translation>
    </message>
    <message>
        <source>Click where the camera goes; Enter puts one mid-view, Esc ends.</source>
        <translation>Cliquez là où va la caméra ; Entrée en place une au centre de la vue, Échap termine.</translation>
    </message>
    <message>
        <source>Click the obstacle&apos;s corners, as seen from above; double-click or Enter closes it, Esc cancels.</source>
        <translation>Cliquez sur les angles de l&apos;obstacle, vus de dessus ; un double-clic ou Entrée le ferme, Échap annule.</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanView</name>
    <message>
        <source>Tab selects the next item, Ctrl+Tab leaves the plan; the arrows move the selection (Shift: ten times as far); [ and ] or Ctrl+Left and Ctrl+Right turn a camera (Shift: 45°); , and . pick a point of a wall or an area, which the arrows then move and Delete removes; Esc drops the point.</source>
        <translation>Tab sélectionne l&apos;élément suivant, Ctrl+Tab quitte le plan ; les flèches déplacent la sélection (Maj : dix fois plus loin) ; [ et ] ou Ctrl+Gauche et Ctrl+Droite tournent une caméra (Maj : 45°) ; , et . choisissent un point d&apos;un mur ou d&apos;une zone, que les flèches déplacent ensuite et que Suppr retire ; Échap lâche le point.</translation>
    </message>
</context>
<context>
    <name>vistaro::Preview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;JPEG quality</source>
        <translation>Qualité &amp;JPEG</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non</translation>
    </message>
    <message>
        <source>&amp;Night noise</source>
        <translation>Bruit de &amp;nuit</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Test chart...</source>
        <translation>&amp;Mire de test...</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>Qualité JPEG</translation>
    </message>
    <message>
        <source>Night noise</source>
        <translation>Bruit de nuit</translation>
    </message>
    <message>
        <source>Test chart paper</source>
        <translation>Papier de la mire de test</translation>
    </message>
    <message>
        <source>Copy the preview</source>
        <translation>Copier l&apos;aperçu</translation>
    </message>
    <message>
        <source>Save the preview as a picture</source>
        <translation>Enregistrer l&apos;aperçu comme image</translation>
    </message>
    <message>
        <source>Save the test chart as PDF</source>
        <translation>Enregistrer la mire de test en PDF</translation>
    </message>
    <message>
        <source>What the camera shows</source>
        <translation>Ce que montre la caméra</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the test chart</source>
        <translation>Enregistrer la mire de test</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Lens blur</source>
        <translation>F&amp;lou de l&apos;objectif</translation>
    </message>
    <message>
        <source>Blurs a target outside the depth of field as the lens, focused at the aim distance, blurs it.</source>
        <translation>Rend flou un sujet hors de la profondeur de champ comme le fait l&apos;objectif, mis au point à la distance visée.</translation>
    </message>
    <message>
        <source>Each picture has the pixels the camera gives the target at that density, each pixel drawn as a square.</source>
        <translation>Chaque image a les pixels que la caméra donne à la cible à cette densité, chaque pixel dessiné en carré.</translation>
    </message>
    <message>
        <source>Lens blur from the depth of field</source>
        <translation>Flou de l&apos;objectif d&apos;après la profondeur de champ</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation>Aperçu %1</translation>
    </message>
</context>
<context>
    <name>vistaro::ReadProblem</name>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être lu : %2</translation>
    </message>
</context>
<context>
    <name>vistaro::SaveFailure</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Impossible d&apos;enregistrer « %1 » : %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>the disk took only part of it</source>
        <translation>le disque n&apos;en a reçu qu&apos;une partie</translation>
    </message>
</context>
<context>
    <name>vistaro::SeparatorNote</name>
    <message>
        <source>The regional format writes decimals with &quot;%1&quot;, as in %2, not with the &quot;%3&quot; declared. Numbers are still read and shown in the regional format: those on show keep their values, and a &quot;%4&quot; typed from now on is removed as a digit-group mark.</source>
        <translation>Le format régional écrit les décimales avec « %1 », comme dans %2, et non avec le « %3 » déclaré. Les nombres restent lus et affichés au format régional : ceux qui sont affichés gardent leur valeur, et un « %4 » saisi désormais est supprimé comme séparateur de milliers.</translation>
    </message>
</context>
<context>
    <name>vistaro::Site</name>
    <message>
        <source>Storey %1</source>
        <translation>Étage %1</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteDeliverables</name>
    <message>
        <source>Dead zone</source>
        <translation>Zone morte</translation>
    </message>
    <message>
        <source>Area covered</source>
        <translation>Zone couverte</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Areas</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>Covered (%)</source>
        <translation>Couverte (%)</translation>
    </message>
    <message>
        <source>%1 %2, lens calculator for CCTV cameras</source>
        <translation>%1 %2, calculateur d&apos;objectifs pour caméras de vidéosurveillance</translation>
    </message>
    <message>
        <source>Site plan</source>
        <translation>Plan du site</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Nomenclature</translation>
    </message>
    <message>
        <source>the drawing could not be begun</source>
        <translation>le dessin n&apos;a pas pu être commencé</translation>
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
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Inclinaison</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Niveau voulu</translation>
    </message>
    <message>
        <source>Level at aim</source>
        <translation>Niveau au point visé</translation>
    </message>
    <message>
        <source>Level required</source>
        <translation>Niveau requis</translation>
    </message>
    <message>
        <source>Required (%)</source>
        <translation>Requise (%)</translation>
    </message>
    <message>
        <source>Met</source>
        <translation>Satisfaite</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Concepteur</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Areas to cover</source>
        <translation>Zones à couvrir</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>%1: %2 % covered, %3 % required at %4</source>
        <translation>%1 : %2 % couverte, %3 % requise au niveau %4</translation>
    </message>
    <message>
        <source>Not met</source>
        <translation>Non satisfaite</translation>
    </message>
    <message>
        <source>Areas met</source>
        <translation>Zones satisfaites</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Scale 1:%1</source>
        <translation>Échelle 1:%1</translation>
    </message>
    <message>
        <source>Scale 1:%1 on %2</source>
        <translation>Échelle 1:%1 sur %2</translation>
    </message>
    <message>
        <source>Area met (%1, solid outline)</source>
        <translation>Zone satisfaite (%1, contour plein)</translation>
    </message>
    <message>
        <source>Area not met (%1, dashed outline)</source>
        <translation>Zone non satisfaite (%1, contour en tirets)</translation>
    </message>
    <message>
        <source>the site is too large for a drawing at 1:%1</source>
        <translation>le site est trop grand pour un dessin au 1:%1</translation>
    </message>
    <message>
        <source>Site plan, 1:%1</source>
        <translation>Plan du site, 1:%1</translation>
    </message>
    <message>
        <source>Coverage of the site&apos;s cameras at 1:%3, in metres, x to the east and y to the south of the plan&apos;s point %1 m east, %2 m north</source>
        <translation>Couverture des caméras du site au 1:%3, en mètres, x vers l&apos;est et y vers le sud à partir du point du plan situé à %1 m est, %2 m nord</translation>
    </message>
    <message>
        <source>Camera coverage of the site</source>
        <translation>Couverture des caméras du site</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Voulu</translation>
    </message>
    <message>
        <source>Reached at the aim</source>
        <translation>Atteint au point visé</translation>
    </message>
    <message>
        <source>On the plan</source>
        <translation>Sur le plan</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Étage</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vue</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstacle</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteExports</name>
    <message>
        <source>&amp;Export report as PDF...</source>
        <translation>&amp;Exporter le rapport en PDF...</translation>
    </message>
    <message>
        <source>&amp;Print report...</source>
        <translation>Im&amp;primer le rapport...</translation>
    </message>
    <message>
        <source>Export sc&amp;hedule as CSV...</source>
        <translation>Exporter la nomen&amp;clature en CSV...</translation>
    </message>
    <message>
        <source>Export coverage as &amp;DXF...</source>
        <translation>Exporter la couverture en &amp;DXF...</translation>
    </message>
    <message>
        <source>Export coverage as S&amp;VG...</source>
        <translation>Exporter la couverture en S&amp;VG...</translation>
    </message>
    <message>
        <source>Site plan</source>
        <translation>Plan du site</translation>
    </message>
    <message>
        <source>Export the site report</source>
        <translation>Exporter le rapport du site</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export the schedule</source>
        <translation>Exporter la nomenclature</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export the coverage as DXF</source>
        <translation>Exporter la couverture en DXF</translation>
    </message>
    <message>
        <source>DXF drawings (*.dxf)</source>
        <translation>Dessins DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Export the coverage as SVG</source>
        <translation>Exporter la couverture en SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dessins SVG (*.svg)</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Écriture du rapport...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>Rapport du site</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteFile</name>
    <message>
        <source>a number is expected</source>
        <translation>un nombre est attendu</translation>
    </message>
    <message>
        <source>a text is expected</source>
        <translation>un texte est attendu</translation>
    </message>
    <message>
        <source>true or false is expected</source>
        <translation>true ou false est attendu</translation>
    </message>
    <message>
        <source>an object is expected</source>
        <translation>un objet est attendu</translation>
    </message>
    <message>
        <source>a list is expected</source>
        <translation>une liste est attendue</translation>
    </message>
    <message>
        <source>not within %1 to %2</source>
        <translation>hors de l&apos;intervalle de %1 à %2</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>n&apos;est pas un nombre positif</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>supérieur à %1</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>a list of two numbers is expected</source>
        <translation>une liste de deux nombres est attendue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation>« %1 » n&apos;est aucune des valeurs %2</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>more than the %1 items this program reads</source>
        <translation>plus que les %1 éléments que ce programme lit</translation>
    </message>
    <message>
        <source>%1 points in all, more than the %2 this program reads</source>
        <translation>%1 points en tout, plus que les %2 que ce programme lit</translation>
    </message>
    <message>
        <source>%1 points or more are expected</source>
        <translation>%1 points ou plus sont attendus</translation>
    </message>
    <message>
        <source>missing: a camera is aimed at a target height or by a tilt</source>
        <translation>manquant : une caméra est orientée vers une hauteur de cible ou par une inclinaison</translation>
    </message>
    <message>
        <source>the same point as &quot;from&quot;</source>
        <translation>le même point que « from »</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>not &quot;vistaro-site&quot;: this is not a Vistaro site file</source>
        <translation>n&apos;est pas « vistaro-site » : ce n&apos;est pas un fichier de site Vistaro</translation>
    </message>
    <message>
        <source>%1 is newer than this program reads (version %2)</source>
        <translation>%1 est plus récente que ce que ce programme lit (version %2)</translation>
    </message>
    <message>
        <source>%1 is no version of the site file</source>
        <translation>%1 n&apos;est pas une version du fichier de site</translation>
    </message>
    <message>
        <source>not JSON: %1 on line %2</source>
        <translation>pas du JSON : %1 à la ligne %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>pas un objet JSON</translation>
    </message>
    <message>
        <source>larger than %1 MiB, more than any site needs</source>
        <translation>plus de %1 Mio, plus qu&apos;aucun site n&apos;en demande</translation>
    </message>
    <message>
        <source>below the bottom, %1</source>
        <translation>sous la base, %1</translation>
    </message>
    <message>
        <source>at the elevation of storeys[%1]</source>
        <translation>à l&apos;altitude de storeys[%1]</translation>
    </message>
    <message>
        <source>one storey or more is expected</source>
        <translation>un étage ou plus est attendu</translation>
    </message>
    <message>
        <source>the first storey has a background of its own</source>
        <translation>le premier étage a son propre fond</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteFileController</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>The site plan %1 has changes that are not saved. Save them?</source>
        <translation>Le plan du site %1 a des modifications non enregistrées. Les enregistrer ?</translation>
    </message>
    <message>
        <source>Open site plan</source>
        <translation>Ouvrir un plan du site</translation>
    </message>
    <message>
        <source>Site plans (*.vistaro)</source>
        <translation>Plans du site (*.vistaro)</translation>
    </message>
    <message>
        <source>Save site plan</source>
        <translation>Enregistrer le plan du site</translation>
    </message>
    <message>
        <source>The unsaved site plan kept when Vistaro last ended cannot be restored. %1</source>
        <translation>Le plan du site non enregistré conservé lors de la dernière fermeture de Vistaro ne peut pas être restauré. %1</translation>
    </message>
    <message>
        <source>Vistaro did not end normally while the site plan %1 had changes that were not saved. Restore them?</source>
        <translation>Vistaro ne s&apos;est pas fermé normalement alors que le plan du site %1 avait des modifications non enregistrées. Les restaurer ?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
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
        <translation>Déplacer la caméra</translation>
    </message>
    <message>
        <source>Turn camera</source>
        <translation>Tourner la caméra</translation>
    </message>
    <message>
        <source>Change camera</source>
        <translation>Modifier la caméra</translation>
    </message>
    <message>
        <source>Change wall</source>
        <translation>Modifier le mur</translation>
    </message>
    <message>
        <source>Change area</source>
        <translation>Modifier la zone</translation>
    </message>
    <message>
        <source>Move background</source>
        <translation>Déplacer le fond</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] - Site plan</source>
        <translation>%1[*] - Plan du site</translation>
    </message>
    <message>
        <source>East %1, north %2</source>
        <translation>Est %1, nord %2</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Add camera</source>
        <translation>Ajouter une caméra</translation>
    </message>
    <message>
        <source>Add wall</source>
        <translation>Ajouter un mur</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Add area</source>
        <translation>Ajouter une zone</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Caméras</translation>
    </message>
    <message>
        <source>Areas</source>
        <translation>Zones</translation>
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
        <translation>Aperçu : %1</translation>
    </message>
    <message>
        <source>Level set %1</source>
        <translation>Jeu de niveaux %1</translation>
    </message>
    <message>
        <source>Move boundary</source>
        <translation>Déplacer la limite</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Draw boundary</source>
        <translation>Dessiner la limite</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Légende</translation>
    </message>
    <message>
        <source>Delete boundary</source>
        <translation>Supprimer la limite</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Site properties</source>
        <translation>Propriétés du site</translation>
    </message>
    <message>
        <source>Change obstacle</source>
        <translation>Modifier l&apos;obstacle</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Obstacles</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstacle</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>This storey only</source>
        <translation>Cet étage seulement</translation>
    </message>
    <message>
        <source>Tables of this storey only</source>
        <translation>Tableaux de cet étage seulement</translation>
    </message>
    <message>
        <source>Add obstacle</source>
        <translation>Ajouter un obstacle</translation>
    </message>
    <message>
        <source>Copy to storeys</source>
        <translation>Copier vers les étages</translation>
    </message>
    <message>
        <source>The clipboard holds no cameras, walls, areas or obstacles.</source>
        <translation>Le presse-papiers ne contient ni caméras, ni murs, ni zones, ni obstacles.</translation>
    </message>
    <message>
        <source>Storeys</source>
        <translation>Étages</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePlanActions</name>
    <message>
        <source>Show %1 band</source>
        <translation>Afficher la bande %1</translation>
    </message>
    <message>
        <source>Level set of the site</source>
        <translation>Jeu de niveaux du site</translation>
    </message>
    <message>
        <source>The levels the site&apos;s cameras and areas are judged by</source>
        <translation>Les niveaux selon lesquels les caméras et les zones du site sont jugées</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Ouvrir &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Site plan tools</source>
        <translation>Outils du plan du site</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Autres outils</translation>
    </message>
    <message>
        <source>&amp;New site</source>
        <translation>&amp;Nouveau plan</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Du&amp;plicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Caméra</translation>
    </message>
    <message>
        <source>&amp;Wall</source>
        <translation>&amp;Mur</translation>
    </message>
    <message>
        <source>&amp;Area to cover</source>
        <translation>&amp;Zone à couvrir</translation>
    </message>
    <message>
        <source>&amp;Floor plan (picture, DXF, PDF)...</source>
        <translation>&amp;Plan d&apos;étage (image, DXF, PDF)...</translation>
    </message>
    <message>
        <source>Background &amp;scale...</source>
        <translation>&amp;Échelle du fond...</translation>
    </message>
    <message>
        <source>Zoom to &amp;fit</source>
        <translation>&amp;Tout afficher</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Show &amp;background</source>
        <translation>Afficher le &amp;fond</translation>
    </message>
    <message>
        <source>&amp;Dim background</source>
        <translation>Ass&amp;ombrir le fond</translation>
    </message>
    <message>
        <source>&amp;Lock background</source>
        <translation>&amp;Bloquer le fond</translation>
    </message>
    <message>
        <source>Drawing &amp;layers...</source>
        <translation>&amp;Calques du dessin...</translation>
    </message>
    <message>
        <source>Show dead &amp;zones</source>
        <translation>Afficher les zones &amp;mortes</translation>
    </message>
    <message>
        <source>Site &amp;properties...</source>
        <translation>Propriétés du si&amp;te...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cou&amp;per</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Pa&amp;ste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>Sélectionner &amp;tout</translation>
    </message>
    <message>
        <source>Site &amp;boundary</source>
        <translation>&amp;Limite du site</translation>
    </message>
    <message>
        <source>Best level</source>
        <translation>Meilleur niveau</translation>
    </message>
    <message>
        <source>Each camera</source>
        <translation>Chaque caméra</translation>
    </message>
    <message>
        <source>Wanted level</source>
        <translation>Niveau voulu</translation>
    </message>
    <message>
        <source>Plan shows</source>
        <translation>Le plan montre</translation>
    </message>
    <message>
        <source>The best level any camera meets at each point, each camera&apos;s own bands, or where each camera meets the level it is wanted at</source>
        <translation>Le meilleur niveau atteint par une caméra en chaque point, les bandes propres à chaque caméra, ou l&apos;endroit où chaque caméra atteint le niveau voulu pour elle</translation>
    </message>
    <message>
        <source>S&amp;nap to walls and grid</source>
        <translation>Accrocher aux murs et à la &amp;grille</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>M&amp;esurer</translation>
    </message>
    <message>
        <source>Points snap to wall corners, wall lines and the grid; Alt held turns it off while held.</source>
        <translation>Les points s&apos;accrochent aux angles des murs, aux lignes des murs et à la grille ; maintenir Alt enfoncé le désactive.</translation>
    </message>
    <message>
        <source>Sto&amp;reys...</source>
        <translation>Éta&amp;ges...</translation>
    </message>
    <message>
        <source>Copy to Sto&amp;reys...</source>
        <translation>Copier vers les éta&amp;ges...</translation>
    </message>
    <message>
        <source>Copies the selected items, or every item of the storey on show when none is selected, to the storeys chosen</source>
        <translation>Copie les éléments sélectionnés, ou tous les éléments de l&apos;étage affiché si aucun n&apos;est sélectionné, vers les étages choisis</translation>
    </message>
    <message>
        <source>&amp;Obstacle</source>
        <translation>&amp;Obstacle</translation>
    </message>
    <message>
        <source>Storey &amp;up</source>
        <translation>Étage &amp;supérieur</translation>
    </message>
    <message>
        <source>Storey do&amp;wn</source>
        <translation>Étage &amp;inférieur</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Étage</translation>
    </message>
    <message>
        <source>The storey on show: its items and its floor plan, the storey below faint underneath</source>
        <translation>L&apos;étage affiché : ses éléments et son plan d&apos;étage, avec l&apos;étage inférieur estompé en dessous</translation>
    </message>
    <message>
        <source>View from ca&amp;mera</source>
        <translation>Vue depuis la &amp;caméra</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePropertiesDialog</name>
    <message>
        <source>Site properties</source>
        <translation>Propriétés du site</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Projet :</translation>
    </message>
    <message>
        <source>&amp;Client:</source>
        <translation>&amp;Client :</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>&amp;Designer:</source>
        <translation>C&amp;oncepteur :</translation>
    </message>
    <message>
        <source>Co&amp;mpany:</source>
        <translation>&amp;Société :</translation>
    </message>
    <message>
        <source>&amp;Revision:</source>
        <translation>&amp;Révision :</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notes :</translation>
    </message>
    <message>
        <source>Reference point, &amp;east (m):</source>
        <translation>Point de référence, &amp;est (m) :</translation>
    </message>
    <message>
        <source>Reference point, n&amp;orth (m):</source>
        <translation>Point de référence, nor&amp;d (m) :</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteRecovery</name>
    <message>
        <source>Unsaved changes are not copied for recovery: another Vistaro keeps its copy in %1.</source>
        <translation>Les modifications non enregistrées ne sont pas copiées pour la récupération : un autre Vistaro conserve sa copie dans %1.</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be written.</source>
        <translation>La copie de récupération %1 ne peut pas être écrite.</translation>
    </message>
</context>
<context>
    <name>vistaro::StoreysDialog</name>
    <message>
        <source>Storeys</source>
        <translation>Étages</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>A storey needs a height: %1 has none.</source>
        <translation>Un étage a besoin d&apos;une hauteur : %1 n&apos;en a pas.</translation>
    </message>
    <message>
        <source>storey %1</source>
        <translation>étage %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n item(s), which go with it. Remove it?</source>
        <translation>
            <numerusform>%1 contient %n élément, qui est supprimé avec lui. Le supprimer ?</numerusform>
            <numerusform>%1 contient %n éléments, qui sont supprimés avec lui. Le supprimer ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Floor-to-floor height</source>
        <translation>Hauteur d&apos;étage</translation>
    </message>
    <message>
        <source>Two storeys stand at %1: each needs an elevation of its own.</source>
        <translation>Deux étages sont à %1 : chacun a besoin de sa propre altitude.</translation>
    </message>
</context>
<context>
    <name>vistaro::VerdictReasons</name>
    <message>
        <source>Unknown: %1</source>
        <translation>Inconnu : %1</translation>
    </message>
    <message>
        <source>Focal</source>
        <translation>Focale</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Covers sensor</source>
        <translation>Couvre le capteur</translation>
    </message>
    <message>
        <source>Focuses</source>
        <translation>Met au point</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Convient</translation>
    </message>
    <message>
        <source>no search serves the lens type &quot;%1&quot;</source>
        <translation>aucune recherche ne sert le type d&apos;objectif « %1 »</translation>
    </message>
    <message>
        <source>the wanted focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale voulue « %1 » est illisible</translation>
    </message>
    <message>
        <source>the focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale « %1 » est illisible</translation>
    </message>
    <message>
        <source>the longest focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale la plus longue « %1 » est illisible</translation>
    </message>
    <message>
        <source>%1 mm is not longer than the wanted %2 mm</source>
        <translation>%1 mm ne dépasse pas les %2 mm voulus</translation>
    </message>
    <message>
        <source>%1 mm is longer than the wanted %2 mm</source>
        <translation>%1 mm dépasse les %2 mm voulus</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies within %2-%3 mm</source>
        <translation>les %1 mm voulus sont dans %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies outside %2-%3 mm</source>
        <translation>les %1 mm voulus sont hors de %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted tele focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale télé voulue « %1 » est illisible</translation>
    </message>
    <message>
        <source>%1-%2 mm reaches the wanted %3-%4 mm</source>
        <translation>%1-%2 mm atteint les %3-%4 mm voulus</translation>
    </message>
    <message>
        <source>%1-%2 mm does not reach the wanted %3-%4 mm</source>
        <translation>%1-%2 mm n&apos;atteint pas les %3-%4 mm voulus</translation>
    </message>
    <message>
        <source>iris %1, as selected</source>
        <translation>iris %1, comme choisi</translation>
    </message>
    <message>
        <source>iris %1; %2 is selected</source>
        <translation>iris %1 ; %2 est choisi</translation>
    </message>
    <message>
        <source>the catalogue gives no iris control</source>
        <translation>le catalogue n&apos;indique aucun contrôle d&apos;iris</translation>
    </message>
    <message>
        <source>the lens has no name, whose first letter tells the sensor format</source>
        <translation>l&apos;objectif n&apos;a pas de nom, dont la première lettre indique le format du capteur</translation>
    </message>
    <message>
        <source>the name&apos;s first letter &quot;%1&quot; tells no sensor format</source>
        <translation>la première lettre du nom « %1 » n&apos;indique aucun format de capteur</translation>
    </message>
    <message>
        <source>the minimum focus distance &quot;%1&quot; cannot be read</source>
        <translation>la distance minimale de mise au point « %1 » est illisible</translation>
    </message>
    <message>
        <source>the distance &quot;%1&quot; cannot be read</source>
        <translation>la distance « %1 » est illisible</translation>
    </message>
    <message>
        <source>the second row&apos;s distance &quot;%1&quot; cannot be read</source>
        <translation>la distance de la deuxième ligne « %1 » est illisible</translation>
    </message>
    <message>
        <source>no minimum focus distance</source>
        <translation>aucune distance minimale de mise au point</translation>
    </message>
    <message>
        <source>focuses from %1 m; the nearest distance is %2 m</source>
        <translation>met au point dès %1 m ; la distance la plus proche est %2 m</translation>
    </message>
    <message>
        <source>focuses only from %1 m; the nearest distance is %2 m</source>
        <translation>ne met au point qu&apos;à partir de %1 m ; la distance la plus proche est %2 m</translation>
    </message>
    <message>
        <source>the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>le capteur ou la taille d&apos;image de la fenêtre de couverture est inutilisable</translation>
    </message>
    <message>
        <source>no level can be met at %1 m</source>
        <translation>aucun niveau n&apos;est atteignable à %1 m</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation>ne convient pas : %1</translation>
    </message>
    <message>
        <source>cannot be told: %1</source>
        <translation>impossible à dire : %1</translation>
    </message>
    <message>
        <source>passes every test</source>
        <translation>réussit chaque test</translation>
    </message>
    <message>
        <source>Type wanted</source>
        <translation>Type voulu</translation>
    </message>
    <message>
        <source>type %1, as selected</source>
        <translation>type %1, comme sélectionné</translation>
    </message>
    <message>
        <source>type %1; %2 is selected</source>
        <translation>type %1 ; %2 est sélectionné</translation>
    </message>
    <message>
        <source>%1 needs %2 mm or longer at %3 m; this lens reaches %4 mm</source>
        <translation>%1 demande %2 mm ou plus à %3 m ; cet objectif atteint %4 mm</translation>
    </message>
    <message>
        <source>made for %1: its image circle of %2 mm covers the camera&apos;s %3 mm diagonal</source>
        <translation>conçu pour %1 : son cercle image de %2 mm couvre la diagonale de %3 mm de la caméra</translation>
    </message>
    <message>
        <source>made for %1: its image circle of %2 mm is smaller than the camera&apos;s %3 mm diagonal</source>
        <translation>conçu pour %1 : son cercle image de %2 mm est plus petit que la diagonale de %3 mm de la caméra</translation>
    </message>
</context>
<context>
    <name>vistaro::frmSceltaLingua</name>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Language files</source>
        <translation>Fichiers de langue</translation>
    </message>
</context>
</TS>
