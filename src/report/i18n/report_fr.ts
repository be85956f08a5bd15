<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Report</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;enregistrer « %1 » : %2</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>il n&apos;y a aucune image à enregistrer</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>la page n&apos;a pas pu être dessinée</translation>
    </message>
</context>
</TS>
