<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Report</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar «%1»: %2</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>no hay ninguna imagen que guardar</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se pudo dibujar la página</translation>
    </message>
</context>
</TS>
