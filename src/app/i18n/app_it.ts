<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>vistaro::AboutBox</name>
    <message>
        <source>About Vistaro</source>
        <translation>Informazioni su Vistaro</translation>
    </message>
    <message>
        <source>Vistaro %1</source>
        <translation>Vistaro %1</translation>
    </message>
    <message>
        <source>Lens calculator for CCTV cameras</source>
        <translation>Calcolatore di obiettivi per telecamere TVCC</translation>
    </message>
    <message>
        <source>Copyright 2026 The Vistaro developers. Vistaro is free software under the &lt;a href=&quot;%1&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt;; it comes with absolutely no warranty.</source>
        <translation>Copyright 2026 gli sviluppatori di Vistaro. Vistaro è software libero secondo la &lt;a href=&quot;%1&quot;&gt;GNU General Public License, versione 3 o successiva&lt;/a&gt;; è fornito senza alcuna garanzia.</translation>
    </message>
    <message>
        <source>Qt %1 (built with Qt %2)</source>
        <translation>Qt %1 (compilato con Qt %2)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>File delle impostazioni: %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>vistaro::Obbiettivi</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Coverage...</source>
        <translation>&amp;Copertura...</translation>
    </message>
    <message>
        <source>Lens &amp;finder...</source>
        <translation>&amp;Cerca obiettivi...</translation>
    </message>
    <message>
        <source>About Vistaro</source>
        <translation>Informazioni su Vistaro</translation>
    </message>
</context>
</TS>
