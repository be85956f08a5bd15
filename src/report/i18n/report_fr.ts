<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Report</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Impossible d&#x27;enregistrer « %1 » : %2</translation>
    </message>
    <message>
        <source>there is no picture to save</source>
        <translation>il n&#x27;y a aucune image à enregistrer</translation>
    </message>
</context>
</TS>
