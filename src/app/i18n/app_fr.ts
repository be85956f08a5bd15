<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>vistaro::AboutBox</name>
    <message>
        <source>About Vistaro</source>
        <translation>À propos de Vistaro</translation>
    </message>
    <message>
        <source>Vistaro %1</source>
        <translation>Vistaro %1</translation>
    </message>
    <message>
        <source>Lens calculator for CCTV cameras</source>
        <translation>Calculateur d’objectifs pour caméras de vidéosurveillance</translation>
    </message>
    <message>
        <source>Copyright 2026 The Vistaro developers. Vistaro is free software under the &lt;a href=&quot;%1&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt;; it comes with absolutely no warranty.</source>
        <translation>Copyright 2026 les développeurs de Vistaro. Vistaro est un logiciel libre sous la &lt;a href=&quot;%1&quot;&gt;GNU General Public License, version 3 ou ultérieure&lt;/a&gt; ; il est fourni sans aucune garantie.</translation>
    </message>
    <message>
        <source>Qt %1 (built with Qt %2)</source>
        <translation>Qt %1 (compilé avec Qt %2)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Fichier des réglages : %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>vistaro::Obbiettivi</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Coverage...</source>
        <translation>&amp;Couverture...</translation>
    </message>
    <message>
        <source>Lens &amp;finder...</source>
        <translation>&amp;Recherche d&apos;objectifs...</translation>
    </message>
    <message>
        <source>About Vistaro</source>
        <translation>À propos de Vistaro</translation>
    </message>
</context>
</TS>
