<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>vistaro::CsvFile</name>
    <message>
        <source>The list could not be saved as &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Die Liste konnte nicht als &quot;%1&quot; gespeichert werden: %2. Es wurde nichts geschrieben.</translation>
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
        <source>detection</source>
        <translation>Detektion</translation>
    </message>
    <message>
        <source>observation</source>
        <translation>Beobachtung</translation>
    </message>
    <message>
        <source>recognition</source>
        <translation>Erkennung</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>Identifizierung</translation>
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
        <source>covers up to %1; %2 is selected</source>
        <translation>deckt bis %1 ab; gewählt ist %2</translation>
    </message>
    <message>
        <source>covers only up to %1; %2 is selected</source>
        <translation>deckt nur bis %1 ab; gewählt ist %2</translation>
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
        <source>needs %1 mm or longer for %2 at %3 m; this lens reaches %4 mm</source>
        <translation>braucht %1 mm oder mehr für %2 bei %3 m; dieses Objektiv erreicht %4 mm</translation>
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
</context>
</TS>
