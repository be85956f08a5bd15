<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>vistaro::CsvFile</name>
    <message>
        <source>The list could not be saved as &quot;%1&quot;: %2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vistaro::LensFinder</name>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens finder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name or remark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part of the name or remark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Only lenses that fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected type (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 lenses</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vistaro::LensTableModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min. focus (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue names no datasheet for this lens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vistaro::VerdictReasons</name>
    <message>
        <source>Unknown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Covers sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focuses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>observation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recognition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no search serves the lens type &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wanted focal length &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the focal length &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the longest focal length &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mm is not longer than the wanted %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mm is longer than the wanted %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wanted %1 mm lies within %2-%3 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wanted %1 mm lies outside %2-%3 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wanted tele focal length &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2 mm reaches the wanted %3-%4 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2 mm does not reach the wanted %3-%4 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iris %1, as selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iris %1; %2 is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the catalogue gives no iris control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lens has no name, whose first letter tells the sensor format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name&apos;s first letter &quot;%1&quot; tells no sensor format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>covers up to %1; %2 is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>covers only up to %1; %2 is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the minimum focus distance &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the distance &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the second row&apos;s distance &quot;%1&quot; cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no minimum focus distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focuses from %1 m; the nearest distance is %2 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>focuses only from %1 m; the nearest distance is %2 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no level can be met at %1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs %1 mm or longer for %2 at %3 m; this lens reaches %4 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be told: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>passes every test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
