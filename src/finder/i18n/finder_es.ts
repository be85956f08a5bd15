<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>vistaro::CsvFile</name>
    <message>
        <source>The list could not be saved as &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>No se pudo guardar la lista como &quot;%1&quot;: %2. No se ha escrito nada.</translation>
    </message>
</context>
<context>
    <name>vistaro::LensFinder</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Lens finder</source>
        <translation>Buscador de objetivos</translation>
    </message>
    <message>
        <source>&amp;Name or remark:</source>
        <translation>&amp;Nombre o nota:</translation>
    </message>
    <message>
        <source>part of the name or remark</source>
        <translation>parte del nombre o de la nota</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Todos los tipos</translation>
    </message>
    <message>
        <source>&amp;Only lenses that fit</source>
        <translation>&amp;Solo los objetivos adecuados</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Selected type (%1)</source>
        <translation>Tipo elegido (%1)</translation>
    </message>
    <message>
        <source>%1 of %2 lenses</source>
        <translation>%1 de %2 objetivos</translation>
    </message>
</context>
<context>
    <name>vistaro::LensTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focal (mm)</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Min. focus (m)</source>
        <translation>Enfoque mín. (m)</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Ficha técnica</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>The catalogue names no datasheet for this lens.</source>
        <translation>El catálogo no indica ninguna ficha técnica para este objetivo.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
</context>
<context>
    <name>vistaro::VerdictReasons</name>
    <message>
        <source>Unknown: %1</source>
        <translation>Desconocido: %1</translation>
    </message>
    <message>
        <source>Focal</source>
        <translation>Focal</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Covers sensor</source>
        <translation>Cubre el sensor</translation>
    </message>
    <message>
        <source>Focuses</source>
        <translation>Enfoca</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Adecuado</translation>
    </message>
    <message>
        <source>detection</source>
        <translation>detección</translation>
    </message>
    <message>
        <source>observation</source>
        <translation>observación</translation>
    </message>
    <message>
        <source>recognition</source>
        <translation>reconocimiento</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identificación</translation>
    </message>
    <message>
        <source>no search serves the lens type &quot;%1&quot;</source>
        <translation>ninguna búsqueda sirve al tipo de objetivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the wanted focal length &quot;%1&quot; cannot be read</source>
        <translation>la focal deseada &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>the focal length &quot;%1&quot; cannot be read</source>
        <translation>la focal &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>the longest focal length &quot;%1&quot; cannot be read</source>
        <translation>la focal más larga &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>%1 mm is not longer than the wanted %2 mm</source>
        <translation>%1 mm no supera los %2 mm deseados</translation>
    </message>
    <message>
        <source>%1 mm is longer than the wanted %2 mm</source>
        <translation>%1 mm supera los %2 mm deseados</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies within %2-%3 mm</source>
        <translation>los %1 mm deseados están dentro de %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies outside %2-%3 mm</source>
        <translation>los %1 mm deseados están fuera de %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted tele focal length &quot;%1&quot; cannot be read</source>
        <translation>la focal tele deseada &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>%1-%2 mm reaches the wanted %3-%4 mm</source>
        <translation>%1-%2 mm alcanza los %3-%4 mm deseados</translation>
    </message>
    <message>
        <source>%1-%2 mm does not reach the wanted %3-%4 mm</source>
        <translation>%1-%2 mm no alcanza los %3-%4 mm deseados</translation>
    </message>
    <message>
        <source>iris %1, as selected</source>
        <translation>iris %1, como el elegido</translation>
    </message>
    <message>
        <source>iris %1; %2 is selected</source>
        <translation>iris %1; el elegido es %2</translation>
    </message>
    <message>
        <source>the catalogue gives no iris control</source>
        <translation>el catálogo no indica el control del iris</translation>
    </message>
    <message>
        <source>the lens has no name, whose first letter tells the sensor format</source>
        <translation>el objetivo no tiene nombre, cuya primera letra indica el formato del sensor</translation>
    </message>
    <message>
        <source>the name&apos;s first letter &quot;%1&quot; tells no sensor format</source>
        <translation>la primera letra del nombre &quot;%1&quot; no indica ningún formato de sensor</translation>
    </message>
    <message>
        <source>covers up to %1; %2 is selected</source>
        <translation>cubre hasta %1; el elegido es %2</translation>
    </message>
    <message>
        <source>covers only up to %1; %2 is selected</source>
        <translation>solo cubre hasta %1; el elegido es %2</translation>
    </message>
    <message>
        <source>the minimum focus distance &quot;%1&quot; cannot be read</source>
        <translation>la distancia mínima de enfoque &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>the distance &quot;%1&quot; cannot be read</source>
        <translation>la distancia &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>the second row&apos;s distance &quot;%1&quot; cannot be read</source>
        <translation>la distancia de la segunda fila &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>no minimum focus distance</source>
        <translation>sin distancia mínima de enfoque</translation>
    </message>
    <message>
        <source>focuses from %1 m; the nearest distance is %2 m</source>
        <translation>enfoca desde %1 m; la distancia más cercana es %2 m</translation>
    </message>
    <message>
        <source>focuses only from %1 m; the nearest distance is %2 m</source>
        <translation>solo enfoca desde %1 m; la distancia más cercana es %2 m</translation>
    </message>
    <message>
        <source>the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>el sensor o el tamaño de imagen de la ventana de cobertura no se pueden usar</translation>
    </message>
    <message>
        <source>no level can be met at %1 m</source>
        <translation>a %1 m no se alcanza ningún nivel</translation>
    </message>
    <message>
        <source>needs %1 mm or longer for %2 at %3 m; this lens reaches %4 mm</source>
        <translation>necesita %1 mm o más para %2 a %3 m; este objetivo llega a %4 mm</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation>no es adecuado: %1</translation>
    </message>
    <message>
        <source>cannot be told: %1</source>
        <translation>no se puede saber: %1</translation>
    </message>
    <message>
        <source>passes every test</source>
        <translation>supera todas las pruebas</translation>
    </message>
</context>
</TS>
