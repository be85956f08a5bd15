<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>vistaro::AboutBox</name>
    <message>
        <source>About Vistaro</source>
        <translation>Über Vistaro</translation>
    </message>
    <message>
        <source>Vistaro %1</source>
        <translation>Vistaro %1</translation>
    </message>
    <message>
        <source>Lens calculator for CCTV cameras</source>
        <translation>Objektivrechner für CCTV-Kameras</translation>
    </message>
    <message>
        <source>Copyright 2026 The Vistaro developers. Vistaro is free software under the &lt;a href=&quot;%1&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt;; it comes with absolutely no warranty.</source>
        <translation>Copyright 2026 die Entwickler von Vistaro. Vistaro ist freie Software unter der &lt;a href=&quot;%1&quot;&gt;GNU General Public License, Version 3 oder später&lt;/a&gt;; es wird ohne jede Gewährleistung geliefert.</translation>
    </message>
    <message>
        <source>Qt %1 (built with Qt %2)</source>
        <translation>Qt %1 (erstellt mit Qt %2)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Einstellungsdatei: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>vistaro::Obbiettivi</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Coverage...</source>
        <translation>&amp;Abdeckung...</translation>
    </message>
    <message>
        <source>Lens &amp;finder...</source>
        <translation>&amp;Objektivsuche...</translation>
    </message>
    <message>
        <source>About Vistaro</source>
        <translation>Über Vistaro</translation>
    </message>
</context>
</TS>
