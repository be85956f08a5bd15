<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vistaro::CsvFile</name>
    <message>
        <source>The list could not be saved as &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>La liste n&apos;a pas pu être enregistrée sous « %1 » : %2. Rien n&apos;a été écrit.</translation>
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
        <source>detection</source>
        <translation>détection</translation>
    </message>
    <message>
        <source>observation</source>
        <translation>observation</translation>
    </message>
    <message>
        <source>recognition</source>
        <translation>reconnaissance</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identification</translation>
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
        <source>covers up to %1; %2 is selected</source>
        <translation>couvre jusqu&apos;à %1 ; %2 est choisi</translation>
    </message>
    <message>
        <source>covers only up to %1; %2 is selected</source>
        <translation>ne couvre que jusqu&apos;à %1 ; %2 est choisi</translation>
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
        <source>needs %1 mm or longer for %2 at %3 m; this lens reaches %4 mm</source>
        <translation>il faut %1 mm ou plus pour %2 à %3 m ; cet objectif atteint %4 mm</translation>
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
</context>
</TS>
