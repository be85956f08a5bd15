<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CoverageDrawing</name>
    <message>
        <source>tilt %1, vertical %2</source>
        <translation>inclinación %1, vertical %2</translation>
    </message>
    <message>
        <source>dead zone %1</source>
        <translation>zona muerta %1</translation>
    </message>
    <message>
        <source>far edge %1</source>
        <translation>borde lejano %1</translation>
    </message>
</context>
<context>
    <name>CoverageReport</name>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Pixel size</source>
        <translation>Tamaño de píxel</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Picture area</source>
        <translation>Área de imagen</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Emplazamiento</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Nivel deseado</translation>
    </message>
    <message>
        <source>Mounting height</source>
        <translation>Altura de montaje</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Altura del objetivo</translation>
    </message>
    <message>
        <source>Fixed focal length</source>
        <translation>Focal fija</translation>
    </message>
    <message>
        <source>Aspherical</source>
        <translation>Asférico</translation>
    </message>
    <message>
        <source>Varifocal</source>
        <translation>Varifocal</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Video drive</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Motorised</source>
        <translation>Motorizado</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Óptica</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Distancia focal</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Focal range</source>
        <translation>Rango focal</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>F-stop</source>
        <translation>Apertura</translation>
    </message>
    <message>
        <source>Minimum focus</source>
        <translation>Enfoque mínimo</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Hoja de datos</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>What the camera sees</source>
        <translation>Lo que ve la cámara</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Camera coverage</source>
        <translation>Cobertura de la cámara</translation>
    </message>
    <message>
        <source>Top view</source>
        <translation>Vista superior</translation>
    </message>
    <message>
        <source>Side view</source>
        <translation>Vista lateral</translation>
    </message>
    <message>
        <source>%1 %2, lens calculator for CCTV cameras</source>
        <translation>%1 %2, calculadora de ópticas para cámaras CCTV</translation>
    </message>
    <message>
        <source>Coverage</source>
        <translation>Cobertura</translation>
    </message>
    <message>
        <source>Direct drive (DC)</source>
        <translation>Directo (DC)</translation>
    </message>
</context>
<context>
    <name>CoverageText</name>
    <message>
        <source>The calculator&apos;s focal length</source>
        <translation>La focal de la calculadora</translation>
    </message>
    <message>
        <source>The calculator&apos;s distance</source>
        <translation>La distancia de la calculadora</translation>
    </message>
    <message>
        <source>The sensor width</source>
        <translation>El ancho del sensor</translation>
    </message>
    <message>
        <source>The sensor height</source>
        <translation>El alto del sensor</translation>
    </message>
    <message>
        <source>The pixel size</source>
        <translation>El tamaño del píxel</translation>
    </message>
    <message>
        <source>The number of columns</source>
        <translation>El número de columnas</translation>
    </message>
    <message>
        <source>The number of rows</source>
        <translation>El número de filas</translation>
    </message>
    <message>
        <source>The mounting height</source>
        <translation>La altura de montaje</translation>
    </message>
    <message>
        <source>The target height</source>
        <translation>La altura del objetivo</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>px/ft</source>
        <translation>px/ft</translation>
    </message>
    <message>
        <source>px/m</source>
        <translation>px/m</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Detection</source>
        <translation>Detección</translation>
    </message>
    <message>
        <source>Observation</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>Recognition</source>
        <translation>Reconocimiento</translation>
    </message>
    <message>
        <source>Identification</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>Below detection</source>
        <translation>Por debajo de detección</translation>
    </message>
    <message>
        <source>Unbounded (horizon)</source>
        <translation>Ilimitado (horizonte)</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 no es un número.</translation>
    </message>
    <message>
        <source>%1 must be greater than zero.</source>
        <translation>%1 debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>%1 is too large: at most %2.</source>
        <translation>%1 es demasiado grande: como máximo %2.</translation>
    </message>
    <message>
        <source>The camera is below the target and looks above the horizon: it sees no ground.</source>
        <translation>La cámara está por debajo del objetivo y mira sobre el horizonte: no ve el suelo.</translation>
    </message>
    <message>
        <source>Tele end: %1</source>
        <translation>Extremo tele: %1</translation>
    </message>
    <message>
        <source>Horizontal angle</source>
        <translation>Ángulo horizontal</translation>
    </message>
    <message>
        <source>Vertical angle</source>
        <translation>Ángulo vertical</translation>
    </message>
    <message>
        <source>Diagonal angle</source>
        <translation>Ángulo diagonal</translation>
    </message>
    <message>
        <source>Scene width</source>
        <translation>Ancho de la escena</translation>
    </message>
    <message>
        <source>Scene height</source>
        <translation>Alto de la escena</translation>
    </message>
    <message>
        <source>Pixel density</source>
        <translation>Densidad de píxeles</translation>
    </message>
    <message>
        <source>Level reached</source>
        <translation>Nivel alcanzado</translation>
    </message>
    <message>
        <source>Detection up to</source>
        <translation>Detección hasta</translation>
    </message>
    <message>
        <source>Observation up to</source>
        <translation>Observación hasta</translation>
    </message>
    <message>
        <source>Recognition up to</source>
        <translation>Reconocimiento hasta</translation>
    </message>
    <message>
        <source>Identification up to</source>
        <translation>Identificación hasta</translation>
    </message>
    <message>
        <source>Needed focal length (%1)</source>
        <translation>Focal necesaria (%1)</translation>
    </message>
    <message>
        <source>Dead zone</source>
        <translation>Zona muerta</translation>
    </message>
    <message>
        <source>Near ground edge</source>
        <translation>Borde cercano en el suelo</translation>
    </message>
    <message>
        <source>Far ground edge</source>
        <translation>Borde lejano en el suelo</translation>
    </message>
</context>
<context>
    <name>vistaro::CoverageWindow</name>
    <message>
        <source>Coverage</source>
        <translation>Cobertura</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Emplazamiento</translation>
    </message>
    <message>
        <source>What the camera sees</source>
        <translation>Lo que ve la cámara</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Size (mm)</source>
        <translation>Tamaño (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>Tamaño del píxel (µm)</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Columns x rows</source>
        <translation>Columnas x filas</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Nivel deseado</translation>
    </message>
    <message>
        <source>Mounting height (%1)</source>
        <translation>Altura de montaje (%1)</translation>
    </message>
    <message>
        <source>Target height (%1)</source>
        <translation>Altura del objetivo (%1)</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>The calculator&apos;s format</source>
        <translation>El formato de la calculadora</translation>
    </message>
    <message>
        <source>Custom size</source>
        <translation>Tamaño personalizado</translation>
    </message>
    <message>
        <source>Pixel size x resolution</source>
        <translation>Tamaño del píxel x resolución</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
    <message>
        <source>Metric (m, px/m)</source>
        <translation>Métrico (m, px/m)</translation>
    </message>
    <message>
        <source>Imperial (ft, px/ft)</source>
        <translation>Imperial (ft, px/ft)</translation>
    </message>
    <message>
        <source>WIDE</source>
        <translation>WIDE</translation>
    </message>
    <message>
        <source>TELE</source>
        <translation>TELE</translation>
    </message>
    <message>
        <source>Use in calculator</source>
        <translation>Usar en la calculadora</translation>
    </message>
    <message>
        <source>Use in calculator (TELE)</source>
        <translation>Usar en la calculadora (TELE)</translation>
    </message>
    <message>
        <source>The calculator&apos;s scene sizes are those of its own format, not of this sensor.</source>
        <translation>Los tamaños de escena de la calculadora son los de su propio formato, no los de este sensor.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save image...</source>
        <translation>Guardar imagen...</translation>
    </message>
    <message>
        <source>Copy image</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Guardar el informe como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>No se pudo imprimir el informe en «%1».</translation>
    </message>
    <message>
        <source>Save the views as a picture</source>
        <translation>Guardar las vistas como imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
</context>
</TS>
