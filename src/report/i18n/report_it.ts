<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Report</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Impossibile salvare &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>non c&apos;è nessuna immagine da salvare</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>non è stato possibile disegnare la pagina</translation>
    </message>
</context>
</TS>
