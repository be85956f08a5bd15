<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>vistaro::Obbiettivi</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Lens &amp;finder...</source>
        <translation>&amp;Buscador de objetivos...</translation>
    </message>
</context>
</TS>
