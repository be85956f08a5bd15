<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>vistaro::CsvFile</name>
    <message>
        <source>The list could not be saved as &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>Impossibile salvare l&apos;elenco come &quot;%1&quot;: %2. Non è stato scritto nulla.</translation>
    </message>
</context>
<context>
    <name>vistaro::LensFinder</name>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>Lens finder</source>
        <translation>Cerca obiettivi</translation>
    </message>
    <message>
        <source>&amp;Name or remark:</source>
        <translation>&amp;Nome o nota:</translation>
    </message>
    <message>
        <source>part of the name or remark</source>
        <translation>parte del nome o della nota</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Tutti i tipi</translation>
    </message>
    <message>
        <source>&amp;Only lenses that fit</source>
        <translation>&amp;Solo gli obiettivi adatti</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Esporta CSV...</translation>
    </message>
    <message>
        <source>Selected type (%1)</source>
        <translation>Tipo scelto (%1)</translation>
    </message>
    <message>
        <source>%1 of %2 lenses</source>
        <translation>%1 di %2 obiettivi</translation>
    </message>
</context>
<context>
    <name>vistaro::LensTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iride</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focale (mm)</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Min. focus (m)</source>
        <translation>Fuoco min. (m)</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensore</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>The catalogue names no datasheet for this lens.</source>
        <translation>Il catalogo non indica alcuna scheda per questo obiettivo.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
</context>
<context>
    <name>vistaro::VerdictReasons</name>
    <message>
        <source>Unknown: %1</source>
        <translation>Sconosciuto: %1</translation>
    </message>
    <message>
        <source>Focal</source>
        <translation>Focale</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iride</translation>
    </message>
    <message>
        <source>Covers sensor</source>
        <translation>Copre il sensore</translation>
    </message>
    <message>
        <source>Focuses</source>
        <translation>Mette a fuoco</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Adatto</translation>
    </message>
    <message>
        <source>detection</source>
        <translation>rilevamento</translation>
    </message>
    <message>
        <source>observation</source>
        <translation>osservazione</translation>
    </message>
    <message>
        <source>recognition</source>
        <translation>riconoscimento</translation>
    </message>
    <message>
        <source>identification</source>
        <translation>identificazione</translation>
    </message>
    <message>
        <source>no search serves the lens type &quot;%1&quot;</source>
        <translation>nessuna ricerca serve il tipo di obiettivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the wanted focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale voluta &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>the focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>the longest focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale massima &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>%1 mm is not longer than the wanted %2 mm</source>
        <translation>%1 mm non supera i %2 mm voluti</translation>
    </message>
    <message>
        <source>%1 mm is longer than the wanted %2 mm</source>
        <translation>%1 mm supera i %2 mm voluti</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies within %2-%3 mm</source>
        <translation>i %1 mm voluti stanno entro %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies outside %2-%3 mm</source>
        <translation>i %1 mm voluti stanno fuori da %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted tele focal length &quot;%1&quot; cannot be read</source>
        <translation>la focale tele voluta &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>%1-%2 mm reaches the wanted %3-%4 mm</source>
        <translation>%1-%2 mm raggiunge i %3-%4 mm voluti</translation>
    </message>
    <message>
        <source>%1-%2 mm does not reach the wanted %3-%4 mm</source>
        <translation>%1-%2 mm non raggiunge i %3-%4 mm voluti</translation>
    </message>
    <message>
        <source>iris %1, as selected</source>
        <translation>iride %1, come scelto</translation>
    </message>
    <message>
        <source>iris %1; %2 is selected</source>
        <translation>iride %1; è scelto %2</translation>
    </message>
    <message>
        <source>the catalogue gives no iris control</source>
        <translation>il catalogo non indica il controllo dell&apos;iride</translation>
    </message>
    <message>
        <source>the lens has no name, whose first letter tells the sensor format</source>
        <translation>l&apos;obiettivo non ha un nome, la cui prima lettera indica il formato del sensore</translation>
    </message>
    <message>
        <source>the name&apos;s first letter &quot;%1&quot; tells no sensor format</source>
        <translation>la prima lettera del nome &quot;%1&quot; non indica alcun formato di sensore</translation>
    </message>
    <message>
        <source>covers up to %1; %2 is selected</source>
        <translation>copre fino a %1; è scelto %2</translation>
    </message>
    <message>
        <source>covers only up to %1; %2 is selected</source>
        <translation>copre solo fino a %1; è scelto %2</translation>
    </message>
    <message>
        <source>the minimum focus distance &quot;%1&quot; cannot be read</source>
        <translation>la distanza minima di messa a fuoco &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>the distance &quot;%1&quot; cannot be read</source>
        <translation>la distanza &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>the second row&apos;s distance &quot;%1&quot; cannot be read</source>
        <translation>la distanza della seconda riga &quot;%1&quot; non si può leggere</translation>
    </message>
    <message>
        <source>no minimum focus distance</source>
        <translation>nessuna distanza minima di messa a fuoco</translation>
    </message>
    <message>
        <source>focuses from %1 m; the nearest distance is %2 m</source>
        <translation>mette a fuoco da %1 m; la distanza più vicina è %2 m</translation>
    </message>
    <message>
        <source>focuses only from %1 m; the nearest distance is %2 m</source>
        <translation>mette a fuoco solo da %1 m; la distanza più vicina è %2 m</translation>
    </message>
    <message>
        <source>the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>il sensore o l&apos;immagine della finestra di copertura non sono utilizzabili</translation>
    </message>
    <message>
        <source>no level can be met at %1 m</source>
        <translation>a %1 m non si raggiunge alcun livello</translation>
    </message>
    <message>
        <source>needs %1 mm or longer for %2 at %3 m; this lens reaches %4 mm</source>
        <translation>servono %1 mm o più per %2 a %3 m; questo obiettivo arriva a %4 mm</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation>non adatto: %1</translation>
    </message>
    <message>
        <source>cannot be told: %1</source>
        <translation>non si può dire: %1</translation>
    </message>
    <message>
        <source>passes every test</source>
        <translation>supera ogni prova</translation>
    </message>
</context>
</TS>
