<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vistaro::Obbiettivi</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Lens &amp;finder...</source>
        <translation>&amp;Recherche d&apos;objectifs...</translation>
    </message>
</context>
</TS>
