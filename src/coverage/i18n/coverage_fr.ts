<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <source>Below detection</source>
        <translation>Sous la détection</translation>
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
        <source>Detection up to</source>
        <translation>Détection jusqu&apos;à</translation>
    </message>
    <message>
        <source>Observation up to</source>
        <translation>Observation jusqu&apos;à</translation>
    </message>
    <message>
        <source>Recognition up to</source>
        <translation>Reconnaissance jusqu&apos;à</translation>
    </message>
    <message>
        <source>Identification up to</source>
        <translation>Identification jusqu&apos;à</translation>
    </message>
    <message>
        <source>Needed focal length (%1)</source>
        <translation>Focale nécessaire (%1)</translation>
    </message>
    <message>
        <source>Dead zone</source>
        <translation>Zone morte</translation>
    </message>
    <message>
        <source>Near ground edge</source>
        <translation>Bord proche au sol</translation>
    </message>
    <message>
        <source>Far ground edge</source>
        <translation>Bord lointain au sol</translation>
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
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>Le rapport n&apos;a pas pu être imprimé sur « %1 ».</translation>
    </message>
    <message>
        <source>Save the views as a picture</source>
        <translation>Enregistrer les vues en image</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
</context>
</TS>
