<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>vistaro::AboutBox</name>
    <message>
        <source>About Vistaro</source>
        <translation>Acerca de Vistaro</translation>
    </message>
    <message>
        <source>Vistaro %1</source>
        <translation>Vistaro %1</translation>
    </message>
    <message>
        <source>Lens calculator for CCTV cameras</source>
        <translation>Calculadora de objetivos para cámaras CCTV</translation>
    </message>
    <message>
        <source>Copyright 2026 The Vistaro developers. Vistaro is free software under the &lt;a href=&quot;%1&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt;; it comes with absolutely no warranty.</source>
        <translation>Copyright 2026 los desarrolladores de Vistaro. Vistaro es software libre bajo la &lt;a href=&quot;%1&quot;&gt;GNU General Public License, versión 3 o posterior&lt;/a&gt;; se distribuye sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Qt %1 (built with Qt %2)</source>
        <translation>Qt %1 (compilado con Qt %2)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Archivo de configuración: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>vistaro::Obbiettivi</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Coverage...</source>
        <translation>&amp;Cobertura...</translation>
    </message>
    <message>
        <source>Lens &amp;finder...</source>
        <translation>&amp;Buscador de objetivos...</translation>
    </message>
    <message>
        <source>About Vistaro</source>
        <translation>Acerca de Vistaro</translation>
    </message>
</context>
</TS>
