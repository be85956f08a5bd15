<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Report</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>es gibt kein Bild zum Speichern</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>die Seite konnte nicht gezeichnet werden</translation>
    </message>
</context>
</TS>
