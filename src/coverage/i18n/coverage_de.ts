<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CoverageDrawing</name>
    <message>
        <source>tilt %1, vertical %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dead zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>far edge %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoverageText</name>
    <message>
        <source>The calculator&apos;s focal length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator&apos;s distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sensor width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sensor height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pixel size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mounting height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>px/ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>px/m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recognition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unbounded (horizon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be greater than zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large: at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The camera is below the target and looks above the horizon: it sees no ground.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tele end: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagonal angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scene height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detection up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Observation up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recognition up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identification up to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needed focal length (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Near ground edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Far ground edge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vistaro::CoverageWindow</name>
    <message>
        <source>Coverage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the camera sees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns x rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mounting height (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target height (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator&apos;s format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel size x resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metric (m, px/m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperial (ft, px/ft)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WIDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TELE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use in calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use in calculator (TELE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculator&apos;s scene sizes are those of its own format, not of this sensor.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
