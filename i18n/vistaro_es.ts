<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>It is not an SVG drawing that can be read.</source>
        <translation>No es un dibujo SVG legible.</translation>
    </message>
    <message>
        <source>It is neither a PNG nor a JPEG picture.</source>
        <translation>No es una imagen PNG ni JPEG.</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1</source>
        <translation>No se puede leer la imagen: %1</translation>
    </message>
</context>
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
    <message>
        <source>at %1</source>
        <translation>a %1</translation>
    </message>
    <message>
        <source>heights x %1</source>
        <translation>alturas x %1</translation>
    </message>
    <message>
        <source>far edge unbounded (horizon)</source>
        <translation>borde lejano ilimitado (horizonte)</translation>
    </message>
    <message>
        <source>sharp</source>
        <translation>nítido</translation>
    </message>
    <message>
        <source>continues</source>
        <translation>continúa</translation>
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
    <message>
        <source>Tilt angle</source>
        <translation>Ángulo de inclinación</translation>
    </message>
    <message>
        <source>%1 m, as the catalogue writes it</source>
        <translation>%1 m, tal como figura en el catálogo</translation>
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
        <source>Camera coverage, %1</source>
        <translation>Cobertura de la cámara, %1</translation>
    </message>
    <message>
        <source>Camera coverage with %1, %2</source>
        <translation>Cobertura de la cámara con %1, %2</translation>
    </message>
    <message>
        <source>What the camera shows</source>
        <translation>Lo que muestra la cámara</translation>
    </message>
    <message>
        <source>A face, a person, a number plate and bars as the camera&apos;s pixels show them</source>
        <translation>Una cara, una persona, una matrícula y barras tal como los muestran los píxeles de la cámara</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proyección</translation>
    </message>
    <message>
        <source>Datasheet angle</source>
        <translation>Ángulo de la hoja de datos</translation>
    </message>
    <message>
        <source>F-number (depth of field)</source>
        <translation>Número f (profundidad de campo)</translation>
    </message>
    <message>
        <source>Circle of confusion</source>
        <translation>Círculo de confusión</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 píxeles</translation>
    </message>
    <message>
        <source>Level set</source>
        <translation>Conjunto de niveles</translation>
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
        <source>Needed focal length (%1)</source>
        <translation>Focal necesaria (%1)</translation>
    </message>
    <message>
        <source>Far ground edge</source>
        <translation>Borde lejano en el suelo</translation>
    </message>
    <message>
        <source>%1 is too small: at least %2.</source>
        <translation>%1 está por debajo del mínimo: al menos %2.</translation>
    </message>
    <message>
        <source>%1 must be more than %2 and less than %3.</source>
        <translation>%1 debe ser mayor que %2 y menor que %3.</translation>
    </message>
    <message>
        <source>At this tilt angle the camera looks above the horizon: it sees no ground.</source>
        <translation>Con esta inclinación la cámara mira sobre el horizonte: no ve el suelo.</translation>
    </message>
    <message>
        <source>The picture uses %1 of the sensor.</source>
        <translation>La imagen usa %1 del sensor.</translation>
    </message>
    <message>
        <source>Dead zone (near ground edge)</source>
        <translation>Zona muerta (borde cercano en el suelo)</translation>
    </message>
    <message>
        <source>The tilt angle</source>
        <translation>El ángulo de inclinación</translation>
    </message>
    <message>
        <source>%1 is wider than this lens projection can show.</source>
        <translation>%1 es más amplio de lo que esta proyección del objetivo puede mostrar.</translation>
    </message>
    <message>
        <source>Pixel density at the centre</source>
        <translation>Densidad de píxeles en el centro</translation>
    </message>
    <message>
        <source>Pixel density at the edge</source>
        <translation>Densidad de píxeles en el borde</translation>
    </message>
    <message>
        <source>Sharp from</source>
        <translation>Nítido desde</translation>
    </message>
    <message>
        <source>Sharp up to</source>
        <translation>Nítido hasta</translation>
    </message>
    <message>
        <source>Infinity</source>
        <translation>Infinito</translation>
    </message>
    <message>
        <source>Hyperfocal distance</source>
        <translation>Distancia hiperfocal</translation>
    </message>
    <message>
        <source>The datasheet&apos;s angle</source>
        <translation>El ángulo de la hoja de datos</translation>
    </message>
    <message>
        <source>The F-number</source>
        <translation>El número f</translation>
    </message>
    <message>
        <source>The circle of confusion</source>
        <translation>El círculo de confusión</translation>
    </message>
    <message>
        <source>%1 (%2 mm, %3 px)</source>
        <translation>%1 (%2 mm, %3 px)</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>Below %1</source>
        <translation>Por debajo de %1</translation>
    </message>
    <message>
        <source>%1 up to</source>
        <translation>%1 hasta</translation>
    </message>
    <message>
        <source>EN 62676-4</source>
        <translation>EN 62676-4</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitorización</translation>
    </message>
    <message>
        <source>Inspection</source>
        <translation>Inspección</translation>
    </message>
    <message>
        <source>Share of screen height</source>
        <translation>Proporción de la altura de pantalla</translation>
    </message>
    <message>
        <source>Detect</source>
        <translation>Detectar</translation>
    </message>
    <message>
        <source>Observe</source>
        <translation>Observar</translation>
    </message>
    <message>
        <source>Recognise</source>
        <translation>Reconocer</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identificar</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>Inspeccionar</translation>
    </message>
    <message>
        <source>Number plates</source>
        <translation>Matrículas</translation>
    </message>
    <message>
        <source>Plate readable</source>
        <translation>Matrícula legible</translation>
    </message>
    <message>
        <source>ft²</source>
        <translation>ft²</translation>
    </message>
    <message>
        <source>m²</source>
        <translation>m²</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Dxf</name>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>El archivo supera los %1 MiB.</translation>
    </message>
    <message>
        <source>This is a binary DXF file; save the drawing as ASCII DXF.</source>
        <translation>Este es un archivo DXF binario; guarde el dibujo como DXF ASCII.</translation>
    </message>
    <message>
        <source>This is a DWG drawing; save it as a DXF file.</source>
        <translation>Este es un dibujo DWG; guárdelo como archivo DXF.</translation>
    </message>
    <message>
        <source>Line %1 is too long for a DXF drawing.</source>
        <translation>La línea %1 es demasiado larga para un dibujo DXF.</translation>
    </message>
    <message>
        <source>Line %1 announces %2 points, more than the file can hold.</source>
        <translation>La línea %1 anuncia %2 puntos, más de los que el archivo puede contener.</translation>
    </message>
    <message>
        <source>Line %1 holds no number.</source>
        <translation>La línea %1 no contiene ningún número.</translation>
    </message>
    <message>
        <source>The drawing has more than %1 entities.</source>
        <translation>El dibujo tiene más de %1 entidades.</translation>
    </message>
    <message>
        <source>The drawing has more than %1 polyline vertices.</source>
        <translation>El dibujo tiene más de %1 vértices de polilínea.</translation>
    </message>
    <message>
        <source>There is not enough memory to read the drawing.</source>
        <translation>No hay memoria suficiente para leer el dibujo.</translation>
    </message>
    <message>
        <source>The drawing is damaged.</source>
        <translation>El dibujo está dañado.</translation>
    </message>
    <message>
        <source>This is not a DXF drawing.</source>
        <translation>Esto no es un dibujo DXF.</translation>
    </message>
    <message>
        <source>The drawing ends early: the file may be cut short.</source>
        <translation>El dibujo termina antes de tiempo: puede que el archivo esté cortado.</translation>
    </message>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>No se pudo abrir «%1»: %2</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es una carpeta.</translation>
    </message>
    <message>
        <source>a point of the plan is not a number or lies farther than 10 000 km</source>
        <translation>un punto del plano no es un número o está a más de 10 000 km</translation>
    </message>
    <message>
        <source>the drawing could not be put together in a temporary folder</source>
        <translation>no se pudo componer el dibujo en una carpeta temporal</translation>
    </message>
</context>
<context>
    <name>DxfSummary</name>
    <message>
        <source>%n 3D face not drawn</source>
        <translation>%n cara 3D no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n 3D faces not drawn</source>
        <translation>
            <numerusform>%n cara 3D no dibujada</numerusform>
            <numerusform>%n caras 3D no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n 3D solid not drawn</source>
        <translation>%n sólido 3D no dibujado</translation>
    </message>
    <message numerus="yes">
        <source>%n 3D solids not drawn</source>
        <translation>
            <numerusform>%n sólido 3D no dibujado</numerusform>
            <numerusform>%n sólidos 3D no dibujados</numerusform>
        </translation>
    </message>
    <message>
        <source>%n proxy entity not drawn</source>
        <translation>%n entidad proxy no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n proxy entities not drawn</source>
        <translation>
            <numerusform>%n entidad proxy no dibujada</numerusform>
            <numerusform>%n entidades proxy no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n table not drawn</source>
        <translation>%n tabla no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n tables not drawn</source>
        <translation>
            <numerusform>%n tabla no dibujada</numerusform>
            <numerusform>%n tablas no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n body not drawn</source>
        <translation>%n cuerpo no dibujado</translation>
    </message>
    <message numerus="yes">
        <source>%n bodies not drawn</source>
        <translation>
            <numerusform>%n cuerpo no dibujado</numerusform>
            <numerusform>%n cuerpos no dibujados</numerusform>
        </translation>
    </message>
    <message>
        <source>%n underlay not drawn</source>
        <translation>%n calco subyacente no dibujado</translation>
    </message>
    <message numerus="yes">
        <source>%n underlays not drawn</source>
        <translation>
            <numerusform>%n calco subyacente no dibujado</numerusform>
            <numerusform>%n calcos subyacentes no dibujados</numerusform>
        </translation>
    </message>
    <message>
        <source>%n image not drawn</source>
        <translation>%n imagen no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n images not drawn</source>
        <translation>
            <numerusform>%n imagen no dibujada</numerusform>
            <numerusform>%n imágenes no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n light not drawn</source>
        <translation>%n luz no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n lights not drawn</source>
        <translation>
            <numerusform>%n luz no dibujada</numerusform>
            <numerusform>%n luces no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n mesh not drawn</source>
        <translation>%n malla no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n meshes not drawn</source>
        <translation>
            <numerusform>%n malla no dibujada</numerusform>
            <numerusform>%n mallas no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n embedded object not drawn</source>
        <translation>%n objeto incrustado no dibujado</translation>
    </message>
    <message numerus="yes">
        <source>%n embedded objects not drawn</source>
        <translation>
            <numerusform>%n objeto incrustado no dibujado</numerusform>
            <numerusform>%n objetos incrustados no dibujados</numerusform>
        </translation>
    </message>
    <message>
        <source>%n ray not drawn</source>
        <translation>%n rayo no dibujado</translation>
    </message>
    <message numerus="yes">
        <source>%n rays not drawn</source>
        <translation>
            <numerusform>%n rayo no dibujado</numerusform>
            <numerusform>%n rayos no dibujados</numerusform>
        </translation>
    </message>
    <message>
        <source>%n region not drawn</source>
        <translation>%n región no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n regions not drawn</source>
        <translation>
            <numerusform>%n región no dibujada</numerusform>
            <numerusform>%n regiones no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n surface not drawn</source>
        <translation>%n superficie no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n surfaces not drawn</source>
        <translation>
            <numerusform>%n superficie no dibujada</numerusform>
            <numerusform>%n superficies no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n viewport not drawn</source>
        <translation>%n ventana gráfica no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n viewports not drawn</source>
        <translation>
            <numerusform>%n ventana gráfica no dibujada</numerusform>
            <numerusform>%n ventanas gráficas no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n wipeout not drawn</source>
        <translation>%n máscara no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n wipeouts not drawn</source>
        <translation>
            <numerusform>%n máscara no dibujada</numerusform>
            <numerusform>%n máscaras no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%n construction line not drawn</source>
        <translation>%n línea auxiliar no dibujada</translation>
    </message>
    <message numerus="yes">
        <source>%n construction lines not drawn</source>
        <translation>
            <numerusform>%n línea auxiliar no dibujada</numerusform>
            <numerusform>%n líneas auxiliares no dibujadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 entity not drawn</source>
        <translation>
            <numerusform>%n entidad %1 no dibujada</numerusform>
            <numerusform>%n entidades %1 no dibujadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n %1 entities not drawn</source>
        <translation>
            <numerusform>%n entidad %1 no dibujada</numerusform>
            <numerusform>%n entidades %1 no dibujadas</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>LensText</name>
    <message>
        <source>Rectilinear (pinhole)</source>
        <translation>Rectilínea (estenopeica)</translation>
    </message>
    <message>
        <source>Equidistant fisheye (r = f·θ)</source>
        <translation>Ojo de pez equidistante (r = f·θ)</translation>
    </message>
    <message>
        <source>Equisolid fisheye (r = 2f·sin θ/2)</source>
        <translation>Ojo de pez equisólido (r = 2f·sin θ/2)</translation>
    </message>
    <message>
        <source>Stereographic (r = 2f·tan θ/2)</source>
        <translation>Estereográfica (r = 2f·tan θ/2)</translation>
    </message>
    <message>
        <source>Orthographic (r = f·sin θ)</source>
        <translation>Ortográfica (r = f·sin θ)</translation>
    </message>
    <message>
        <source>Active area %1, diagonal %2 mm.</source>
        <translation>Área activa %1, diagonal %2 mm.</translation>
    </message>
    <message>
        <source>As typed.</source>
        <translation>Tal como se escribió.</translation>
    </message>
    <message>
        <source>Pixel size x resolution: the sensor&apos;s own active area.</source>
        <translation>Tamaño de píxel x resolución: el área activa del propio sensor.</translation>
    </message>
    <message>
        <source>Nominal format %1: the size of the format&apos;s name, not a measured active area; type the pixel size where the datasheet gives it.</source>
        <translation>Formato nominal %1: el tamaño que da nombre al formato, no un área activa medida; escriba el tamaño de píxel si la hoja de datos lo indica.</translation>
    </message>
    <message>
        <source>Nominal format %1: the typical active area of sensors sold under it.</source>
        <translation>Formato nominal %1: el área activa típica de los sensores vendidos con ese nombre.</translation>
    </message>
    <message>
        <source>Camera: the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>Cámara: el sensor o el tamaño de imagen de la ventana de cobertura no se pueden usar</translation>
    </message>
    <message>
        <source>Camera: %1, %2 x %3</source>
        <translation>Cámara: %1, %2 x %3</translation>
    </message>
</context>
<context>
    <name>PreviewSheet</name>
    <message>
        <source>At the aim distance</source>
        <translation>A la distancia de apuntado</translation>
    </message>
    <message>
        <source>At the aim distance (%1)</source>
        <translation>A la distancia de apuntado (%1)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No pixel density: the coverage window&apos;s inputs give none.</source>
        <translation>Sin densidad de píxeles: los datos de la ventana de cobertura no dan ninguna.</translation>
    </message>
    <message>
        <source>%1 x %2 px</source>
        <translation>%1 x %2 px</translation>
    </message>
    <message>
        <source>Outside the sharp zone: blur %1 px</source>
        <translation>Fuera de la zona nítida: desenfoque de %1 px</translation>
    </message>
    <message>
        <source>Outside the sharp zone at %1: blur %2 px</source>
        <translation>Fuera de la zona nítida en %1: desenfoque de %2 px</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>there is no picture to save</source>
        <translation>no hay ninguna imagen que guardar</translation>
    </message>
    <message>
        <source>the page could not be drawn</source>
        <translation>no se pudo dibujar la página</translation>
    </message>
    <message>
        <source>The report could not be printed on &quot;%1&quot;.</source>
        <translation>No se pudo imprimir el informe en «%1».</translation>
    </message>
    <message>
        <source>the picture could not be written as PNG</source>
        <translation>no se pudo escribir la imagen como PNG</translation>
    </message>
</context>
<context>
    <name>TargetText</name>
    <message>
        <source>Face, 16 cm wide</source>
        <translation>Cara, 16 cm de ancho</translation>
    </message>
    <message>
        <source>Person, 1.7 m tall</source>
        <translation>Persona, 1,7 m de alto</translation>
    </message>
    <message>
        <source>Number plate, 520 x 110 mm</source>
        <translation>Matrícula, 520 x 110 mm</translation>
    </message>
    <message>
        <source>Bars of 40, 16, 8 and 4 mm</source>
        <translation>Barras de 40, 16, 8 y 4 mm</translation>
    </message>
</context>
<context>
    <name>TestChart</name>
    <message>
        <source>Printed at 100 % this line is 100 mm long. If it is not, print again at actual size (no fitting to the page).</source>
        <translation>Impresa al 100 % esta línea mide 100 mm. Si no, imprima de nuevo a tamaño real (sin ajustar a la página).</translation>
    </message>
    <message>
        <source>Counting bar, %1 mm</source>
        <translation>Barra de conteo, %1 mm</translation>
    </message>
    <message>
        <source>%1 mm (%2 in)</source>
        <translation>%1 mm (%2 in)</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Hold this sheet upright at the aim distance (%1), facing the camera. In the live picture, count the pixels across the black counting bar (%2).</source>
        <translation>Sostenga esta hoja derecha a la distancia de apuntado (%1), frente a la cámara. En la imagen en directo, cuente los píxeles a lo largo de la barra negra de conteo (%2).</translation>
    </message>
    <message>
        <source>The design gives %1 pixels across it there.</source>
        <translation>El diseño da allí %1 píxeles a lo largo de ella.</translation>
    </message>
    <message>
        <source>%1: %2 pixels</source>
        <translation>%1: %2 píxeles</translation>
    </message>
    <message>
        <source>Each level needs at least: %1.</source>
        <translation>Cada nivel necesita al menos: %1.</translation>
    </message>
    <message>
        <source>Each pair of bars below is resolved when the picture shows the gap between them: at detection the 40 mm pair, at observation 16 mm, at recognition 8 mm, at identification 4 mm.</source>
        <translation>Cada par de barras de abajo se resuelve cuando la imagen muestra el hueco entre ellas: en detección el par de 40 mm, en observación 16 mm, en reconocimiento 8 mm, en identificación 4 mm.</translation>
    </message>
    <message>
        <source>Test chart: what the camera resolves</source>
        <translation>Carta de prueba: lo que resuelve la cámara</translation>
    </message>
    <message>
        <source>Number plate characters, %1 mm tall</source>
        <translation>Caracteres de matrícula, %1 mm de alto</translation>
    </message>
    <message>
        <source>A face at its size, the head %1 mm wide</source>
        <translation>Una cara a tamaño real, la cabeza de %1 mm de ancho</translation>
    </message>
    <message>
        <source>Test chart</source>
        <translation>Carta de prueba</translation>
    </message>
    <message>
        <source>Test chart %1</source>
        <translation>Carta de prueba %1</translation>
    </message>
</context>
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
    <name>vistaro::AreaPanel</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Level:</source>
        <translation>Ni&amp;vel:</translation>
    </message>
    <message>
        <source>&amp;Required share:</source>
        <translation>&amp;Proporción requerida:</translation>
    </message>
    <message>
        <source>The share of the area that must be covered at its level for it to be met</source>
        <translation>La proporción del área que debe estar cubierta a su nivel para que se cumpla</translation>
    </message>
</context>
<context>
    <name>vistaro::AreaTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Covered (%)</source>
        <translation>Cubierta (%)</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Planta</translation>
    </message>
</context>
<context>
    <name>vistaro::BackgroundController</name>
    <message>
        <source>Show background</source>
        <translation>Mostrar el fondo</translation>
    </message>
    <message>
        <source>Hide background</source>
        <translation>Ocultar el fondo</translation>
    </message>
    <message>
        <source>Dim background</source>
        <translation>Oscurecer el fondo</translation>
    </message>
    <message>
        <source>Brighten background</source>
        <translation>Aclarar el fondo</translation>
    </message>
    <message>
        <source>Lock background</source>
        <translation>Bloquear el fondo</translation>
    </message>
    <message>
        <source>Unlock background</source>
        <translation>Desbloquear el fondo</translation>
    </message>
    <message>
        <source>Background picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Floor plans (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)</source>
        <translation>Planos de planta (*.png *.jpg *.jpeg *.svg *.dxf *.pdf)</translation>
    </message>
    <message>
        <source>The background picture %1 cannot be shown: %2</source>
        <translation>No se puede mostrar la imagen de fondo %1: %2</translation>
    </message>
    <message>
        <source>Load background</source>
        <translation>Cargar el fondo</translation>
    </message>
    <message>
        <source>Background scale</source>
        <translation>Escala del fondo</translation>
    </message>
    <message>
        <source>Distance between the two points (%1):</source>
        <translation>Distancia entre los dos puntos (%1):</translation>
    </message>
    <message>
        <source>Set background scale</source>
        <translation>Fijar la escala del fondo</translation>
    </message>
    <message>
        <source>Change drawing layers</source>
        <translation>Cambiar capas del dibujo</translation>
    </message>
    <message>
        <source>Walls from layers</source>
        <translation>Muros desde capas</translation>
    </message>
    <message numerus="yes">
        <source>%n obstacle made from the drawing&apos;s layers</source>
        <translation>
            <numerusform>%n obstáculo creado a partir de las capas del dibujo</numerusform>
            <numerusform>%n obstáculos creados a partir de las capas del dibujo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n obstacles made from the drawing&apos;s layers</source>
        <translation>
            <numerusform>%n obstáculo creado a partir de las capas del dibujo</numerusform>
            <numerusform>%n obstáculos creados a partir de las capas del dibujo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n open outline passed over</source>
        <translation>
            <numerusform>; %n contorno abierto omitido</numerusform>
            <numerusform>; %n contornos abiertos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n open outlines passed over</source>
        <translation>
            <numerusform>; %n contorno abierto omitido</numerusform>
            <numerusform>; %n contornos abiertos omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Obstacles from layers</source>
        <translation>Obstáculos desde capas</translation>
    </message>
</context>
<context>
    <name>vistaro::CConsiglia</name>
    <message>
        <source>Previous lens</source>
        <translation>Óptica anterior</translation>
    </message>
    <message>
        <source>Next lens</source>
        <translation>Óptica siguiente</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Hoja de datos</translation>
    </message>
    <message>
        <source>Reset the index</source>
        <translation>Poner el índice a cero</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Next index</source>
        <translation>Índice siguiente</translation>
    </message>
    <message>
        <source>Lens model</source>
        <translation>Modelo de óptica</translation>
    </message>
    <message>
        <source>Focal length</source>
        <translation>Distancia focal</translation>
    </message>
    <message>
        <source>Aperture</source>
        <translation>Apertura</translation>
    </message>
    <message>
        <source>Iris control</source>
        <translation>Control del iris</translation>
    </message>
    <message>
        <source>Minimum focus distance</source>
        <translation>Distancia mínima de enfoque</translation>
    </message>
    <message>
        <source>Remark and scenes at the distances typed</source>
        <translation>Nota y escenas a las distancias escritas</translation>
    </message>
    <message>
        <source>(the lens may not focus at the distance typed)</source>
        <translation>(puede que la óptica no enfoque a la distancia escrita)</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraPanel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>East (%1)</source>
        <translation>Este (%1)</translation>
    </message>
    <message>
        <source>North (%1)</source>
        <translation>Norte (%1)</translation>
    </message>
    <message>
        <source>Pan (° from east)</source>
        <translation>Orientación (° desde el este)</translation>
    </message>
    <message>
        <source>Mounting height (%1)</source>
        <translation>Altura de montaje (%1)</translation>
    </message>
    <message>
        <source>Aimed by</source>
        <translation>Apuntada por</translation>
    </message>
    <message>
        <source>Target height (%1)</source>
        <translation>Altura del objetivo (%1)</translation>
    </message>
    <message>
        <source>Tilt (° down)</source>
        <translation>Inclinación (° hacia abajo)</translation>
    </message>
    <message>
        <source>Aim distance (%1)</source>
        <translation>Distancia de apuntado (%1)</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>Ancho del sensor (mm)</translation>
    </message>
    <message>
        <source>Sensor height (mm)</source>
        <translation>Alto del sensor (mm)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>Focal (mm)</translation>
    </message>
    <message>
        <source>Tele end (mm)</source>
        <translation>Extremo tele (mm)</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Nivel deseado</translation>
    </message>
    <message>
        <source>Select one camera on the plan or in the table to see and change it here.</source>
        <translation>Seleccione una cámara en el plano o en la tabla para verla y cambiarla aquí.</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Altura del objetivo</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Inclinación</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>&amp;Show in coverage window</source>
        <translation>&amp;Mostrar en la ventana Cobertura</translation>
    </message>
    <message>
        <source>&amp;Preview...</source>
        <translation>&amp;Vista previa...</translation>
    </message>
    <message>
        <source>Preview of what the camera shows</source>
        <translation>Vista previa de lo que muestra la cámara</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proyección</translation>
    </message>
    <message>
        <source>Datasheet angle (° across)</source>
        <translation>Ángulo de la hoja de datos (° horizontales)</translation>
    </message>
    <message>
        <source>Camera properties</source>
        <translation>Propiedades de la cámara</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focal (mm)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Pan (°)</source>
        <translation>Orientación (°)</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Target height</source>
        <translation>Altura del objetivo</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Planta</translation>
    </message>
</context>
<context>
    <name>vistaro::CameraViewWindow</name>
    <message>
        <source>Select a camera to see its view.</source>
        <translation>Seleccione una cámara para ver su vista.</translation>
    </message>
    <message>
        <source>View: %1</source>
        <translation>Vista: %1</translation>
    </message>
    <message>
        <source>View from camera</source>
        <translation>Vista desde la cámara</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Floor in %1</source>
        <translation>Suelo en %1</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Obstacle %1</source>
        <translation>Obstáculo %1</translation>
    </message>
    <message>
        <source>Person at %1</source>
        <translation>Persona en %1</translation>
    </message>
    <message>
        <source>%1: dead zone</source>
        <translation>%1: zona muerta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Save the camera&apos;s view as PNG</source>
        <translation>Guardar la vista de la cámara como PNG</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>View %1</source>
        <translation>Vista %1</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save as PNG...</source>
        <translation>&amp;Guardar como PNG...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>C&amp;lear targets</source>
        <translation>&amp;Borrar los objetivos</translation>
    </message>
    <message>
        <source>Place &amp;target:</source>
        <translation>Colocar &amp;objetivo:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Target to place with a click on the floor</source>
        <translation>Objetivo que se coloca con un clic en el suelo</translation>
    </message>
    <message>
        <source>View from the camera</source>
        <translation>Vista desde la cámara</translation>
    </message>
    <message>
        <source>The arrows move a cross over the picture (Shift: faster); Enter places the chosen target there</source>
        <translation>Las flechas mueven una cruz por la imagen (Mayús: más rápido); Intro coloca allí el objetivo elegido</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>What the pointer is over</source>
        <translation>Lo que hay bajo el puntero</translation>
    </message>
    <message>
        <source>Choose a target, then click the floor in the picture or on the plan to stand it there</source>
        <translation>Elija un objetivo y luego haga clic en el suelo de la imagen o en el plano para colocarlo allí</translation>
    </message>
</context>
<context>
    <name>vistaro::CopyToStoreysDialog</name>
    <message>
        <source>Copy to storeys</source>
        <translation>Copiar a plantas</translation>
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
        <source>Save the views as a picture</source>
        <translation>Guardar las vistas como imagen</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Aim</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Tilt angle (° down)</source>
        <translation>Inclinación (° hacia abajo)</translation>
    </message>
    <message>
        <source>Aim at target height</source>
        <translation>Apuntar a la altura del objetivo</translation>
    </message>
    <message>
        <source>Tilt angle</source>
        <translation>Ángulo de inclinación</translation>
    </message>
    <message>
        <source>The focal length the level needs is longer than the calculator takes (at most %1).</source>
        <translation>La focal que exige el nivel es más larga de lo que admite la calculadora (como máximo %1).</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Projection</source>
        <translation>Proyección</translation>
    </message>
    <message>
        <source>Datasheet angle (° across)</source>
        <translation>Ángulo de la hoja de datos (° horizontales)</translation>
    </message>
    <message>
        <source>F-number</source>
        <translation>Número f</translation>
    </message>
    <message>
        <source>Circle of confusion (pixels)</source>
        <translation>Círculo de confusión (píxeles)</translation>
    </message>
    <message>
        <source>from the focal length</source>
        <translation>según la distancia focal</translation>
    </message>
    <message>
        <source>The horizontal angle of view the lens&apos;s datasheet states for this sensor; it stands instead of the focal length&apos;s.</source>
        <translation>El ángulo de visión horizontal que indica la hoja de datos del objetivo para este sensor; sustituye al de la distancia focal.</translation>
    </message>
    <message>
        <source>The blur that still reads as sharp, in pixel widths.</source>
        <translation>El desenfoque que aún se ve nítido, en anchos de píxel.</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vista previa...</translation>
    </message>
    <message>
        <source>Preview of what the camera shows</source>
        <translation>Vista previa de lo que muestra la cámara</translation>
    </message>
    <message>
        <source>Test chart...</source>
        <translation>Carta de prueba...</translation>
    </message>
    <message>
        <source>Save a test chart to print</source>
        <translation>Guardar una carta de prueba para imprimir</translation>
    </message>
    <message>
        <source>Save the test chart</source>
        <translation>Guardar la carta de prueba</translation>
    </message>
    <message>
        <source>Level set</source>
        <translation>Conjunto de niveles</translation>
    </message>
    <message>
        <source>Number plate</source>
        <translation>Matrícula</translation>
    </message>
    <message>
        <source>European plate, 520 mm</source>
        <translation>Matrícula europea, 520 mm</translation>
    </message>
    <message>
        <source>United States plate, 305 mm</source>
        <translation>Matrícula estadounidense, 305 mm</translation>
    </message>
    <message>
        <source> px across the plate</source>
        <translation> px a lo ancho de la matrícula</translation>
    </message>
    <message>
        <source>Your sets...</source>
        <translation>Tus conjuntos...</translation>
    </message>
    <message>
        <source>Number plate width</source>
        <translation>Ancho de la matrícula</translation>
    </message>
    <message>
        <source>Pixels needed across the plate</source>
        <translation>Píxeles necesarios a lo ancho de la matrícula</translation>
    </message>
    <message>
        <source>Edit your own level sets</source>
        <translation>Editar tus conjuntos de niveles</translation>
    </message>
    <message>
        <source>Sensor width (mm)</source>
        <translation>Ancho del sensor (mm)</translation>
    </message>
    <message>
        <source>Sensor height (mm)</source>
        <translation>Alto del sensor (mm)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
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
        <source>%1, wide end</source>
        <translation>%1, extremo gran angular</translation>
    </message>
    <message>
        <source>%1, tele end</source>
        <translation>%1, extremo tele</translation>
    </message>
</context>
<context>
    <name>vistaro::DraftFields</name>
    <message>
        <source>Length (%1):</source>
        <translation>Longitud (%1):</translation>
    </message>
    <message>
        <source>Angle (°):</source>
        <translation>Ángulo (°):</translation>
    </message>
    <message>
        <source>Length of the segment drawn</source>
        <translation>Longitud del segmento dibujado</translation>
    </message>
    <message>
        <source>Angle of the segment drawn, counter-clockwise from east</source>
        <translation>Ángulo del segmento dibujado, en sentido antihorario desde el este</translation>
    </message>
    <message>
        <source>Type a figure and press Enter to place the next point; Tab goes to the other field, Esc back to the plan.</source>
        <translation>Escriba una cifra y pulse Intro para colocar el punto siguiente; Tab pasa al otro campo, Esc vuelve al plano.</translation>
    </message>
</context>
<context>
    <name>vistaro::DxfLayersDialog</name>
    <message>
        <source>Drawing layers</source>
        <translation>Capas del dibujo</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>Entities</source>
        <translation>Entidades</translation>
    </message>
    <message>
        <source>Shown</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Use as walls</source>
        <translation>Usar como muros</translation>
    </message>
    <message>
        <source>Not drawn</source>
        <translation>Sin dibujar</translation>
    </message>
    <message>
        <source>Obstacles of layer %1</source>
        <translation>Obstáculos de la capa %1</translation>
    </message>
    <message>
        <source>Use as obstacles</source>
        <translation>Usar como obstáculos</translation>
    </message>
</context>
<context>
    <name>vistaro::FigureCaptions</name>
    <message>
        <source>Density at aim</source>
        <translation>Densidad en el punto apuntado</translation>
    </message>
    <message>
        <source>Area at level</source>
        <translation>Superficie al nivel</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>%1: %2, %3 % %4</source>
        <translation>%1: %2, %3 % %4</translation>
    </message>
</context>
<context>
    <name>vistaro::HeightFields</name>
    <message>
        <source>The height above the floor where it starts to block sight</source>
        <translation>La altura sobre el suelo a partir de la cual empieza a tapar la vista</translation>
    </message>
    <message>
        <source>The height above the floor where it stops blocking sight</source>
        <translation>La altura sobre el suelo a la que deja de tapar la vista</translation>
    </message>
    <message>
        <source>To the &amp;ceiling</source>
        <translation>Hasta el te&amp;cho</translation>
    </message>
    <message>
        <source>To the ceiling</source>
        <translation>Hasta el techo</translation>
    </message>
    <message>
        <source>&amp;Bottom (%1):</source>
        <translation>&amp;Base (%1):</translation>
    </message>
    <message>
        <source>&amp;Top (%1):</source>
        <translation>&amp;Tope (%1):</translation>
    </message>
</context>
<context>
    <name>vistaro::LensFinder</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Lens finder</source>
        <translation>Buscador de objetivos</translation>
    </message>
    <message>
        <source>&amp;Name or remark:</source>
        <translation>&amp;Nombre o nota:</translation>
    </message>
    <message>
        <source>part of the name or remark</source>
        <translation>parte del nombre o de la nota</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>All types</source>
        <translation>Todos los tipos</translation>
    </message>
    <message>
        <source>&amp;Only lenses that fit</source>
        <translation>&amp;Solo los objetivos adecuados</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Selected type (%1)</source>
        <translation>Tipo elegido (%1)</translation>
    </message>
    <message>
        <source>%1 of %2 lenses</source>
        <translation>%1 de %2 objetivos</translation>
    </message>
    <message>
        <source>Lenses</source>
        <translation>Ópticas</translation>
    </message>
</context>
<context>
    <name>vistaro::LensTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focal (mm)</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Min. focus (m)</source>
        <translation>Enfoque mín. (m)</translation>
    </message>
    <message>
        <source>Sensor</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Ficha técnica</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>The catalogue names no datasheet for this lens.</source>
        <translation>El catálogo no indica ninguna ficha técnica para este objetivo.</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>fits</source>
        <translation>encaja</translation>
    </message>
    <message>
        <source>does not fit</source>
        <translation>no encaja</translation>
    </message>
    <message>
        <source>cannot be told</source>
        <translation>no se puede saber</translation>
    </message>
</context>
<context>
    <name>vistaro::LevelSetDialog</name>
    <message>
        <source>Level sets of your own</source>
        <translation>Tus conjuntos de niveles</translation>
    </message>
    <message>
        <source>Your level sets</source>
        <translation>Tus conjuntos de niveles</translation>
    </message>
    <message>
        <source>Name of the level set</source>
        <translation>Nombre del conjunto de niveles</translation>
    </message>
    <message>
        <source>Unit of the densities</source>
        <translation>Unidad de las densidades</translation>
    </message>
    <message>
        <source>Levels, lowest first</source>
        <translation>Niveles, del más bajo al más alto</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>New set</source>
        <translation>Nuevo conjunto</translation>
    </message>
    <message>
        <source>Remove set</source>
        <translation>Quitar conjunto</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Add level</source>
        <translation>Añadir nivel</translation>
    </message>
    <message>
        <source>Remove level</source>
        <translation>Quitar nivel</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Unit</source>
        <translation>&amp;Unidad</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Nivel 1</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>The level set &quot;%1&quot; cannot be kept: %2</source>
        <translation>El conjunto de niveles «%1» no se puede guardar: %2</translation>
    </message>
    <message>
        <source>There is a level set named &quot;%1&quot; already.</source>
        <translation>Ya hay un conjunto de niveles llamado «%1».</translation>
    </message>
    <message>
        <source>Import a level set</source>
        <translation>Importar un conjunto de niveles</translation>
    </message>
    <message>
        <source>Level sets (*.json)</source>
        <translation>Conjuntos de niveles (*.json)</translation>
    </message>
    <message>
        <source>Export the level set</source>
        <translation>Exportar el conjunto de niveles</translation>
    </message>
</context>
<context>
    <name>vistaro::LevelSetFile</name>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>no es un número positivo</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>mayor que %1</translation>
    </message>
    <message>
        <source>a name is expected</source>
        <translation>se espera un nombre</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>más largo que %1 caracteres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no level set this program knows</source>
        <translation>«%1» no es un conjunto de niveles que este programa conozca</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;px/m&quot; nor &quot;px/ft&quot;</source>
        <translation>«%1» no es ni «px/m» ni «px/ft»</translation>
    </message>
    <message>
        <source>a list of 1 to %1 levels is expected</source>
        <translation>se espera una lista de 1 a %1 niveles</translation>
    </message>
    <message>
        <source>larger than %1 KiB, more than any level set needs</source>
        <translation>mayor que %1 KiB, más de lo que necesita cualquier conjunto de niveles</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>not a Vistaro level set file</source>
        <translation>no es un archivo de conjunto de niveles de Vistaro</translation>
    </message>
    <message>
        <source>a version this program does not read</source>
        <translation>una versión que este programa no lee</translation>
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
    <message>
        <source>&amp;Site plan...</source>
        <translation>&amp;Plano del sitio...</translation>
    </message>
    <message>
        <source>Focal length in mm</source>
        <translation>Distancia focal en mm</translation>
    </message>
    <message>
        <source>Distance to the scene in m</source>
        <translation>Distancia a la escena en m</translation>
    </message>
    <message>
        <source>Scene width in m</source>
        <translation>Ancho de la escena en m</translation>
    </message>
    <message>
        <source>Scene height in m</source>
        <translation>Alto de la escena en m</translation>
    </message>
    <message>
        <source>%1, tele end</source>
        <translation>%1, extremo tele</translation>
    </message>
    <message>
        <source>%1, wide end</source>
        <translation>%1, extremo gran angular</translation>
    </message>
    <message>
        <source>%1 inch sensor</source>
        <translation>Sensor de %1 pulgadas</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Shows the catalogue&apos;s lenses that fit the focal length, sensor and iris chosen</source>
        <translation>Muestra las ópticas del catálogo que encajan con la focal, el sensor y el iris elegidos</translation>
    </message>
</context>
<context>
    <name>vistaro::ObstaclePanel</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>vistaro::ObstacleTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Tope</translation>
    </message>
</context>
<context>
    <name>vistaro::PdfViewer</name>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit to the width</source>
        <translation>Ajustar al ancho de la ventana</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Página entera</translation>
    </message>
    <message>
        <source>Show a whole page</source>
        <translation>Mostrar una página entera</translation>
    </message>
    <message>
        <source>This datasheet cannot be displayed.</source>
        <translation>Esta hoja de datos no se puede mostrar.</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 página</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 páginas</translation>
    </message>
    <message>
        <source>Datasheet pages</source>
        <translation>Páginas de la hoja de datos</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanImport</name>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>The PDF is protected by a password.</source>
        <translation>El PDF está protegido con contraseña.</translation>
    </message>
    <message>
        <source>It is not a PDF that can be read.</source>
        <translation>No es un PDF que se pueda leer.</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>Drawing units</source>
        <translation>Unidades del dibujo</translation>
    </message>
    <message>
        <source>The drawing %1 does not say in which units it is drawn. Its units are:</source>
        <translation>El dibujo %1 no indica en qué unidades está dibujado. Sus unidades son:</translation>
    </message>
    <message>
        <source>PDF plan</source>
        <translation>Plano PDF</translation>
    </message>
    <message>
        <source>Page to show (1 to %1):</source>
        <translation>Página a mostrar (1 a %1):</translation>
    </message>
    <message>
        <source>Resolution to render the page at (dpi):</source>
        <translation>Resolución con la que representar la página (ppp):</translation>
    </message>
    <message>
        <source>The drawing holds nothing to draw.</source>
        <translation>El dibujo no contiene nada que dibujar.</translation>
    </message>
    <message>
        <source>The PDF has no page %1.</source>
        <translation>El PDF no tiene página %1.</translation>
    </message>
    <message>
        <source>At %1 dpi page %2 would take %3 megapixels, more than the %4 a plan may take. Choose a lower resolution.</source>
        <translation>A %1 ppp la página %2 ocuparía %3 megapíxeles, más de los %4 que admite un plano. Elija una resolución menor.</translation>
    </message>
    <message>
        <source>Page %1 cannot be rendered.</source>
        <translation>No se puede representar la página %1.</translation>
    </message>
    <message>
        <source>The drawing holds nothing to draw: %1.</source>
        <translation>El dibujo no contiene nada que dibujar: %1.</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanTool</name>
    <message>
        <source>Click the wall&apos;s corners; double-click or Enter ends it, Esc cancels.</source>
        <translation>Haga clic en las esquinas del muro; doble clic o Intro lo termina, Esc cancela.</translation>
    </message>
    <message>
        <source>Click the area&apos;s corners; double-click or Enter closes it, Esc cancels.</source>
        <translation>Haga clic en las esquinas del área; doble clic o Intro la cierra, Esc cancela.</translation>
    </message>
    <message>
        <source>Click two points of the background whose distance you know; Esc cancels.</source>
        <translation>Haga clic en dos puntos del fondo cuya distancia conozca; Esc cancela.</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Measured: %1. Click to measure again, Esc clears.</source>
        <translation>Medido: %1. Haga clic para volver a medir, Esc borra.</translation>
    </message>
    <message>
        <source>Click two points to measure between them; Esc ends.</source>
        <translation>Haga clic en dos puntos para medir entre ellos; Esc termina.</translation>
    </message>
    <message>
        <source>Click the corners of the site&apos;s boundary, which replaces the one before; double-click or Enter closes it, Esc cancels.</source>
        <translation>Haga clic en las esquinas del límite del sitio, que sustituye al anterior; doble clic o Intro lo cierra, Esc cancela.</translation>
    </message>
    <message>
        <source>Click where the camera goes; Enter puts one mid-view, Esc ends.</source>
        <translation>Haga clic donde va la cámara; Intro coloca una en el centro de la vista, Esc termina.</translation>
    </message>
    <message>
        <source>Click the obstacle&apos;s corners, as seen from above; double-click or Enter closes it, Esc cancels.</source>
        <translation>Haga clic en las esquinas del obstáculo, vistas desde arriba; doble clic o Intro lo cierra, Esc cancela.</translation>
    </message>
</context>
<context>
    <name>vistaro::PlanView</name>
    <message>
        <source>Tab selects the next item, Ctrl+Tab leaves the plan; the arrows move the selection (Shift: ten times as far); [ and ] or Ctrl+Left and Ctrl+Right turn a camera (Shift: 45°); , and . pick a point of a wall or an area, which the arrows then move and Delete removes; Esc drops the point.</source>
        <translation>Tab selecciona el elemento siguiente, Ctrl+Tab sale del plano; las flechas mueven la selección (Mayús: diez veces más); [ y ] o Ctrl+Izquierda y Ctrl+Derecha giran una cámara (Mayús: 45°); , y . eligen un punto de un muro o de un área, que las flechas mueven después y Supr quita; Esc suelta el punto.</translation>
    </message>
</context>
<context>
    <name>vistaro::Preview</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;JPEG quality</source>
        <translation>Calidad &amp;JPEG</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>&amp;Night noise</source>
        <translation>Ruido &amp;nocturno</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papel</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Test chart...</source>
        <translation>Carta de &amp;prueba...</translation>
    </message>
    <message>
        <source>JPEG quality</source>
        <translation>Calidad JPEG</translation>
    </message>
    <message>
        <source>Night noise</source>
        <translation>Ruido nocturno</translation>
    </message>
    <message>
        <source>Test chart paper</source>
        <translation>Papel de la carta de prueba</translation>
    </message>
    <message>
        <source>Copy the preview</source>
        <translation>Copiar la vista previa</translation>
    </message>
    <message>
        <source>Save the preview as a picture</source>
        <translation>Guardar la vista previa como imagen</translation>
    </message>
    <message>
        <source>Save the test chart as PDF</source>
        <translation>Guardar la carta de prueba como PDF</translation>
    </message>
    <message>
        <source>What the camera shows</source>
        <translation>Lo que muestra la cámara</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Save the test chart</source>
        <translation>Guardar la carta de prueba</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Lens blur</source>
        <translation>&amp;Desenfoque del objetivo</translation>
    </message>
    <message>
        <source>Blurs a target outside the depth of field as the lens, focused at the aim distance, blurs it.</source>
        <translation>Desenfoca un objetivo fuera de la profundidad de campo como lo hace la lente, enfocada a la distancia de apuntado.</translation>
    </message>
    <message>
        <source>Each picture has the pixels the camera gives the target at that density, each pixel drawn as a square.</source>
        <translation>Cada imagen tiene los píxeles que la cámara da al objetivo a esa densidad, cada píxel dibujado como un cuadrado.</translation>
    </message>
    <message>
        <source>Lens blur from the depth of field</source>
        <translation>Desenfoque del objetivo según la profundidad de campo</translation>
    </message>
    <message>
        <source>Preview %1</source>
        <translation>Vista previa %1</translation>
    </message>
</context>
<context>
    <name>vistaro::ReadProblem</name>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2</source>
        <translation>No se pudo leer el archivo &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>vistaro::SaveFailure</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2. Nothing was written.</source>
        <translation>No se pudo guardar «%1»: %2. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>the disk took only part of it</source>
        <translation>el disco solo admitió una parte</translation>
    </message>
</context>
<context>
    <name>vistaro::SeparatorNote</name>
    <message>
        <source>The regional format writes decimals with &quot;%1&quot;, as in %2, not with the &quot;%3&quot; declared. Numbers are still read and shown in the regional format: those on show keep their values, and a &quot;%4&quot; typed from now on is removed as a digit-group mark.</source>
        <translation>El formato regional escribe los decimales con &quot;%1&quot;, como en %2, no con el &quot;%3&quot; declarado. Los números se siguen leyendo y mostrando en el formato regional: los que se ven conservan su valor, y un &quot;%4&quot; escrito a partir de ahora se quita como separador de miles.</translation>
    </message>
</context>
<context>
    <name>vistaro::Site</name>
    <message>
        <source>Storey %1</source>
        <translation>Planta %1</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteDeliverables</name>
    <message>
        <source>Dead zone</source>
        <translation>Zona muerta</translation>
    </message>
    <message>
        <source>Area covered</source>
        <translation>Zona cubierta</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Lens</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Focal (mm)</source>
        <translation>Focal (mm)</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Areas</source>
        <translation>Áreas</translation>
    </message>
    <message>
        <source>Covered (%)</source>
        <translation>Cubierta (%)</translation>
    </message>
    <message>
        <source>%1 %2, lens calculator for CCTV cameras</source>
        <translation>%1 %2, calculadora de ópticas para cámaras CCTV</translation>
    </message>
    <message>
        <source>Site plan</source>
        <translation>Plano del sitio</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Relación</translation>
    </message>
    <message>
        <source>the drawing could not be begun</source>
        <translation>no se pudo comenzar el dibujo</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Pan</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Tilt</source>
        <translation>Inclinación</translation>
    </message>
    <message>
        <source>Level wanted</source>
        <translation>Nivel deseado</translation>
    </message>
    <message>
        <source>Level at aim</source>
        <translation>Nivel en el punto apuntado</translation>
    </message>
    <message>
        <source>Level required</source>
        <translation>Nivel requerido</translation>
    </message>
    <message>
        <source>Required (%)</source>
        <translation>Requerida (%)</translation>
    </message>
    <message>
        <source>Met</source>
        <translation>Cumplida</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Designer</source>
        <translation>Proyectista</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revisión</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Areas to cover</source>
        <translation>Áreas a cubrir</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>%1: %2 % covered, %3 % required at %4</source>
        <translation>%1: %2 % cubierta, %3 % requerida al nivel %4</translation>
    </message>
    <message>
        <source>Not met</source>
        <translation>No cumplida</translation>
    </message>
    <message>
        <source>Areas met</source>
        <translation>Áreas cumplidas</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Scale 1:%1</source>
        <translation>Escala 1:%1</translation>
    </message>
    <message>
        <source>Scale 1:%1 on %2</source>
        <translation>Escala 1:%1 en %2</translation>
    </message>
    <message>
        <source>Area met (%1, solid outline)</source>
        <translation>Área cumplida (%1, contorno continuo)</translation>
    </message>
    <message>
        <source>Area not met (%1, dashed outline)</source>
        <translation>Área no cumplida (%1, contorno discontinuo)</translation>
    </message>
    <message>
        <source>the site is too large for a drawing at 1:%1</source>
        <translation>el sitio es demasiado grande para un dibujo a escala 1:%1</translation>
    </message>
    <message>
        <source>Site plan, 1:%1</source>
        <translation>Plano del sitio, 1:%1</translation>
    </message>
    <message>
        <source>Coverage of the site&apos;s cameras at 1:%3, in metres, x to the east and y to the south of the plan&apos;s point %1 m east, %2 m north</source>
        <translation>Cobertura de las cámaras del sitio a escala 1:%3, en metros, x hacia el este e y hacia el sur desde el punto del plano a %1 m este, %2 m norte</translation>
    </message>
    <message>
        <source>Camera coverage of the site</source>
        <translation>Cobertura de las cámaras del sitio</translation>
    </message>
    <message>
        <source>Wanted</source>
        <translation>Deseado</translation>
    </message>
    <message>
        <source>Reached at the aim</source>
        <translation>Alcanzado en el punto apuntado</translation>
    </message>
    <message>
        <source>On the plan</source>
        <translation>En el plano</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstáculo</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteExports</name>
    <message>
        <source>&amp;Export report as PDF...</source>
        <translation>&amp;Exportar el informe como PDF...</translation>
    </message>
    <message>
        <source>&amp;Print report...</source>
        <translation>Im&amp;primir el informe...</translation>
    </message>
    <message>
        <source>Export sc&amp;hedule as CSV...</source>
        <translation>Exportar la relación como &amp;CSV...</translation>
    </message>
    <message>
        <source>Export coverage as &amp;DXF...</source>
        <translation>Exportar la cobertura como &amp;DXF...</translation>
    </message>
    <message>
        <source>Export coverage as S&amp;VG...</source>
        <translation>Exportar la cobertura como S&amp;VG...</translation>
    </message>
    <message>
        <source>Site plan</source>
        <translation>Plano del sitio</translation>
    </message>
    <message>
        <source>Export the site report</source>
        <translation>Exportar el informe del sitio</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export the schedule</source>
        <translation>Exportar la relación</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export the coverage as DXF</source>
        <translation>Exportar la cobertura como DXF</translation>
    </message>
    <message>
        <source>DXF drawings (*.dxf)</source>
        <translation>Dibujos DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Export the coverage as SVG</source>
        <translation>Exportar la cobertura como SVG</translation>
    </message>
    <message>
        <source>SVG drawings (*.svg)</source>
        <translation>Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>Writing the report...</source>
        <translation>Escribiendo el informe...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>Informe del sitio</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteFile</name>
    <message>
        <source>a number is expected</source>
        <translation>se esperaba un número</translation>
    </message>
    <message>
        <source>a text is expected</source>
        <translation>se esperaba un texto</translation>
    </message>
    <message>
        <source>true or false is expected</source>
        <translation>se esperaba true o false</translation>
    </message>
    <message>
        <source>an object is expected</source>
        <translation>se esperaba un objeto</translation>
    </message>
    <message>
        <source>a list is expected</source>
        <translation>se esperaba una lista</translation>
    </message>
    <message>
        <source>not within %1 to %2</source>
        <translation>fuera del intervalo de %1 a %2</translation>
    </message>
    <message>
        <source>not a positive number</source>
        <translation>no es un número positivo</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>mayor que %1</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>a list of two numbers is expected</source>
        <translation>se esperaba una lista de dos números</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation>&quot;%1&quot; no es ninguno de %2</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>more than the %1 items this program reads</source>
        <translation>más de los %1 elementos que lee este programa</translation>
    </message>
    <message>
        <source>%1 points in all, more than the %2 this program reads</source>
        <translation>%1 puntos en total, más de los %2 que lee este programa</translation>
    </message>
    <message>
        <source>%1 points or more are expected</source>
        <translation>se esperaban %1 puntos o más</translation>
    </message>
    <message>
        <source>missing: a camera is aimed at a target height or by a tilt</source>
        <translation>falta: una cámara se orienta a una altura de objetivo o con una inclinación</translation>
    </message>
    <message>
        <source>the same point as &quot;from&quot;</source>
        <translation>el mismo punto que &quot;from&quot;</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>not &quot;vistaro-site&quot;: this is not a Vistaro site file</source>
        <translation>no es &quot;vistaro-site&quot;: no es un archivo de sitio de Vistaro</translation>
    </message>
    <message>
        <source>%1 is newer than this program reads (version %2)</source>
        <translation>%1 es más reciente de lo que lee este programa (versión %2)</translation>
    </message>
    <message>
        <source>%1 is no version of the site file</source>
        <translation>%1 no es una versión del archivo de sitio</translation>
    </message>
    <message>
        <source>not JSON: %1 on line %2</source>
        <translation>no es JSON: %1 en la línea %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>larger than %1 MiB, more than any site needs</source>
        <translation>mayor de %1 MiB, más de lo que necesita cualquier sitio</translation>
    </message>
    <message>
        <source>below the bottom, %1</source>
        <translation>por debajo de la base, %1</translation>
    </message>
    <message>
        <source>at the elevation of storeys[%1]</source>
        <translation>a la cota de storeys[%1]</translation>
    </message>
    <message>
        <source>one storey or more is expected</source>
        <translation>se esperaba una planta o más</translation>
    </message>
    <message>
        <source>the first storey has a background of its own</source>
        <translation>la primera planta tiene un fondo propio</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteFileController</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>The site plan %1 has changes that are not saved. Save them?</source>
        <translation>El plano %1 tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>Open site plan</source>
        <translation>Abrir plano</translation>
    </message>
    <message>
        <source>Site plans (*.vistaro)</source>
        <translation>Planos (*.vistaro)</translation>
    </message>
    <message>
        <source>Save site plan</source>
        <translation>Guardar plano</translation>
    </message>
    <message>
        <source>The unsaved site plan kept when Vistaro last ended cannot be restored. %1</source>
        <translation>El plano del sitio sin guardar conservado al cerrar Vistaro la última vez no se puede restaurar. %1</translation>
    </message>
    <message>
        <source>Vistaro did not end normally while the site plan %1 had changes that were not saved. Restore them?</source>
        <translation>Vistaro no se cerró normalmente mientras el plano del sitio %1 tenía cambios sin guardar. ¿Restaurarlos?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePlan</name>
    <message>
        <source>Plan</source>
        <translation>Plano</translation>
    </message>
    <message>
        <source>Move camera</source>
        <translation>Mover la cámara</translation>
    </message>
    <message>
        <source>Turn camera</source>
        <translation>Girar la cámara</translation>
    </message>
    <message>
        <source>Change camera</source>
        <translation>Cambiar la cámara</translation>
    </message>
    <message>
        <source>Change wall</source>
        <translation>Cambiar el muro</translation>
    </message>
    <message>
        <source>Change area</source>
        <translation>Cambiar el área</translation>
    </message>
    <message>
        <source>Move background</source>
        <translation>Mover el fondo</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1[*] - Site plan</source>
        <translation>%1[*] - Plano del sitio</translation>
    </message>
    <message>
        <source>East %1, north %2</source>
        <translation>Este %1, norte %2</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Add camera</source>
        <translation>Añadir cámara</translation>
    </message>
    <message>
        <source>Add wall</source>
        <translation>Añadir muro</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Add area</source>
        <translation>Añadir área</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Cameras</source>
        <translation>Cámaras</translation>
    </message>
    <message>
        <source>Areas</source>
        <translation>Áreas</translation>
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
        <source>Preview: %1</source>
        <translation>Vista previa: %1</translation>
    </message>
    <message>
        <source>Level set %1</source>
        <translation>Conjunto de niveles %1</translation>
    </message>
    <message>
        <source>Move boundary</source>
        <translation>Mover el límite</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Draw boundary</source>
        <translation>Dibujar el límite</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Delete boundary</source>
        <translation>Eliminar el límite</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Site properties</source>
        <translation>Propiedades del sitio</translation>
    </message>
    <message>
        <source>Change obstacle</source>
        <translation>Cambiar el obstáculo</translation>
    </message>
    <message>
        <source>Obstacles</source>
        <translation>Obstáculos</translation>
    </message>
    <message>
        <source>Obstacle</source>
        <translation>Obstáculo</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>This storey only</source>
        <translation>Solo esta planta</translation>
    </message>
    <message>
        <source>Tables of this storey only</source>
        <translation>Tablas solo de esta planta</translation>
    </message>
    <message>
        <source>Add obstacle</source>
        <translation>Añadir obstáculo</translation>
    </message>
    <message>
        <source>Copy to storeys</source>
        <translation>Copiar a plantas</translation>
    </message>
    <message>
        <source>The clipboard holds no cameras, walls, areas or obstacles.</source>
        <translation>El portapapeles no contiene cámaras, muros, áreas ni obstáculos.</translation>
    </message>
    <message>
        <source>Storeys</source>
        <translation>Plantas</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePlanActions</name>
    <message>
        <source>Show %1 band</source>
        <translation>Mostrar la franja %1</translation>
    </message>
    <message>
        <source>Level set of the site</source>
        <translation>Conjunto de niveles del sitio</translation>
    </message>
    <message>
        <source>The levels the site&apos;s cameras and areas are judged by</source>
        <translation>Los niveles con los que se juzgan las cámaras y áreas del sitio</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Abrir &amp;recientes</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Site plan tools</source>
        <translation>Herramientas del plano</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Más herramientas</translation>
    </message>
    <message>
        <source>&amp;New site</source>
        <translation>&amp;Nuevo plano</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Du&amp;plicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Cámara</translation>
    </message>
    <message>
        <source>&amp;Wall</source>
        <translation>&amp;Muro</translation>
    </message>
    <message>
        <source>&amp;Area to cover</source>
        <translation>Á&amp;rea a cubrir</translation>
    </message>
    <message>
        <source>&amp;Floor plan (picture, DXF, PDF)...</source>
        <translation>&amp;Plano de planta (imagen, DXF, PDF)...</translation>
    </message>
    <message>
        <source>Background &amp;scale...</source>
        <translation>&amp;Escala del fondo...</translation>
    </message>
    <message>
        <source>Zoom to &amp;fit</source>
        <translation>&amp;Ajustar a la vista</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>A&amp;umentar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Re&amp;ducir</translation>
    </message>
    <message>
        <source>Show &amp;background</source>
        <translation>Mostrar el &amp;fondo</translation>
    </message>
    <message>
        <source>&amp;Dim background</source>
        <translation>&amp;Oscurecer el fondo</translation>
    </message>
    <message>
        <source>&amp;Lock background</source>
        <translation>&amp;Bloquear el fondo</translation>
    </message>
    <message>
        <source>Drawing &amp;layers...</source>
        <translation>&amp;Capas del dibujo...</translation>
    </message>
    <message>
        <source>Show dead &amp;zones</source>
        <translation>Mostrar las zonas &amp;muertas</translation>
    </message>
    <message>
        <source>Site &amp;properties...</source>
        <translation>Propiedades del s&amp;itio...</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Pa&amp;ste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Select &amp;all</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>Site &amp;boundary</source>
        <translation>&amp;Límite del sitio</translation>
    </message>
    <message>
        <source>Best level</source>
        <translation>Mejor nivel</translation>
    </message>
    <message>
        <source>Each camera</source>
        <translation>Cada cámara</translation>
    </message>
    <message>
        <source>Wanted level</source>
        <translation>Nivel deseado</translation>
    </message>
    <message>
        <source>Plan shows</source>
        <translation>El plano muestra</translation>
    </message>
    <message>
        <source>The best level any camera meets at each point, each camera&apos;s own bands, or where each camera meets the level it is wanted at</source>
        <translation>El mejor nivel que alcanza alguna cámara en cada punto, las franjas propias de cada cámara, o dónde cada cámara alcanza el nivel deseado para ella</translation>
    </message>
    <message>
        <source>S&amp;nap to walls and grid</source>
        <translation>Ajustar a muros y cuadrícu&amp;la</translation>
    </message>
    <message>
        <source>&amp;Measure</source>
        <translation>M&amp;edir</translation>
    </message>
    <message>
        <source>Points snap to wall corners, wall lines and the grid; Alt held turns it off while held.</source>
        <translation>Los puntos se ajustan a las esquinas de los muros, a las líneas de los muros y a la cuadrícula; mantener pulsado Alt lo desactiva mientras se pulsa.</translation>
    </message>
    <message>
        <source>Sto&amp;reys...</source>
        <translation>P&amp;lantas...</translation>
    </message>
    <message>
        <source>Copy to Sto&amp;reys...</source>
        <translation>Copiar a p&amp;lantas...</translation>
    </message>
    <message>
        <source>Copies the selected items, or every item of the storey on show when none is selected, to the storeys chosen</source>
        <translation>Copia los elementos seleccionados, o todos los elementos de la planta mostrada si no hay ninguno seleccionado, a las plantas elegidas</translation>
    </message>
    <message>
        <source>&amp;Obstacle</source>
        <translation>&amp;Obstáculo</translation>
    </message>
    <message>
        <source>Storey &amp;up</source>
        <translation>Planta &amp;superior</translation>
    </message>
    <message>
        <source>Storey do&amp;wn</source>
        <translation>Planta &amp;inferior</translation>
    </message>
    <message>
        <source>Storey</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>The storey on show: its items and its floor plan, the storey below faint underneath</source>
        <translation>La planta mostrada: sus elementos y su plano de planta, con la planta inferior atenuada debajo</translation>
    </message>
    <message>
        <source>View from ca&amp;mera</source>
        <translation>Vista desde la &amp;cámara</translation>
    </message>
</context>
<context>
    <name>vistaro::SitePropertiesDialog</name>
    <message>
        <source>Site properties</source>
        <translation>Propiedades del sitio</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>&amp;Proyecto:</translation>
    </message>
    <message>
        <source>&amp;Client:</source>
        <translation>&amp;Cliente:</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>&amp;Designer:</source>
        <translation>Pro&amp;yectista:</translation>
    </message>
    <message>
        <source>Co&amp;mpany:</source>
        <translation>&amp;Empresa:</translation>
    </message>
    <message>
        <source>&amp;Revision:</source>
        <translation>&amp;Revisión:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notas:</translation>
    </message>
    <message>
        <source>Reference point, &amp;east (m):</source>
        <translation>Punto de referencia, es&amp;te (m):</translation>
    </message>
    <message>
        <source>Reference point, n&amp;orth (m):</source>
        <translation>Punto de referencia, n&amp;orte (m):</translation>
    </message>
</context>
<context>
    <name>vistaro::SiteRecovery</name>
    <message>
        <source>Unsaved changes are not copied for recovery: another Vistaro keeps its copy in %1.</source>
        <translation>Los cambios sin guardar no se copian para la recuperación: otro Vistaro guarda su copia en %1.</translation>
    </message>
    <message>
        <source>The recovery copy %1 cannot be written.</source>
        <translation>No se puede escribir la copia de recuperación %1.</translation>
    </message>
</context>
<context>
    <name>vistaro::StoreysDialog</name>
    <message>
        <source>Storeys</source>
        <translation>Plantas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>A storey needs a height: %1 has none.</source>
        <translation>Una planta necesita una altura: %1 no la tiene.</translation>
    </message>
    <message>
        <source>storey %1</source>
        <translation>planta %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n item(s), which go with it. Remove it?</source>
        <translation>
            <numerusform>%1 contiene %n elemento, que se quita con ella. ¿Quitarla?</numerusform>
            <numerusform>%1 contiene %n elementos, que se quitan con ella. ¿Quitarla?</numerusform>
        </translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Cota</translation>
    </message>
    <message>
        <source>Floor-to-floor height</source>
        <translation>Altura entre plantas</translation>
    </message>
    <message>
        <source>Two storeys stand at %1: each needs an elevation of its own.</source>
        <translation>Dos plantas están a %1: cada una necesita su propia cota.</translation>
    </message>
</context>
<context>
    <name>vistaro::VerdictReasons</name>
    <message>
        <source>Unknown: %1</source>
        <translation>Desconocido: %1</translation>
    </message>
    <message>
        <source>Focal</source>
        <translation>Focal</translation>
    </message>
    <message>
        <source>Iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Covers sensor</source>
        <translation>Cubre el sensor</translation>
    </message>
    <message>
        <source>Focuses</source>
        <translation>Enfoca</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Fits</source>
        <translation>Adecuado</translation>
    </message>
    <message>
        <source>no search serves the lens type &quot;%1&quot;</source>
        <translation>ninguna búsqueda sirve al tipo de objetivo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the wanted focal length &quot;%1&quot; cannot be read</source>
        <translation>la focal deseada &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>the focal length &quot;%1&quot; cannot be read</source>
        <translation>la focal &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>the longest focal length &quot;%1&quot; cannot be read</source>
        <translation>la focal más larga &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>%1 mm is not longer than the wanted %2 mm</source>
        <translation>%1 mm no supera los %2 mm deseados</translation>
    </message>
    <message>
        <source>%1 mm is longer than the wanted %2 mm</source>
        <translation>%1 mm supera los %2 mm deseados</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies within %2-%3 mm</source>
        <translation>los %1 mm deseados están dentro de %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted %1 mm lies outside %2-%3 mm</source>
        <translation>los %1 mm deseados están fuera de %2-%3 mm</translation>
    </message>
    <message>
        <source>the wanted tele focal length &quot;%1&quot; cannot be read</source>
        <translation>la focal tele deseada &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>%1-%2 mm reaches the wanted %3-%4 mm</source>
        <translation>%1-%2 mm alcanza los %3-%4 mm deseados</translation>
    </message>
    <message>
        <source>%1-%2 mm does not reach the wanted %3-%4 mm</source>
        <translation>%1-%2 mm no alcanza los %3-%4 mm deseados</translation>
    </message>
    <message>
        <source>iris %1, as selected</source>
        <translation>iris %1, como el elegido</translation>
    </message>
    <message>
        <source>iris %1; %2 is selected</source>
        <translation>iris %1; el elegido es %2</translation>
    </message>
    <message>
        <source>the catalogue gives no iris control</source>
        <translation>el catálogo no indica el control del iris</translation>
    </message>
    <message>
        <source>the lens has no name, whose first letter tells the sensor format</source>
        <translation>el objetivo no tiene nombre, cuya primera letra indica el formato del sensor</translation>
    </message>
    <message>
        <source>the name&apos;s first letter &quot;%1&quot; tells no sensor format</source>
        <translation>la primera letra del nombre &quot;%1&quot; no indica ningún formato de sensor</translation>
    </message>
    <message>
        <source>the minimum focus distance &quot;%1&quot; cannot be read</source>
        <translation>la distancia mínima de enfoque &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>the distance &quot;%1&quot; cannot be read</source>
        <translation>la distancia &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>the second row&apos;s distance &quot;%1&quot; cannot be read</source>
        <translation>la distancia de la segunda fila &quot;%1&quot; no se puede leer</translation>
    </message>
    <message>
        <source>no minimum focus distance</source>
        <translation>sin distancia mínima de enfoque</translation>
    </message>
    <message>
        <source>focuses from %1 m; the nearest distance is %2 m</source>
        <translation>enfoca desde %1 m; la distancia más cercana es %2 m</translation>
    </message>
    <message>
        <source>focuses only from %1 m; the nearest distance is %2 m</source>
        <translation>solo enfoca desde %1 m; la distancia más cercana es %2 m</translation>
    </message>
    <message>
        <source>the coverage window&apos;s sensor or picture size cannot be used</source>
        <translation>el sensor o el tamaño de imagen de la ventana de cobertura no se pueden usar</translation>
    </message>
    <message>
        <source>no level can be met at %1 m</source>
        <translation>a %1 m no se alcanza ningún nivel</translation>
    </message>
    <message>
        <source>does not fit: %1</source>
        <translation>no es adecuado: %1</translation>
    </message>
    <message>
        <source>cannot be told: %1</source>
        <translation>no se puede saber: %1</translation>
    </message>
    <message>
        <source>passes every test</source>
        <translation>supera todas las pruebas</translation>
    </message>
    <message>
        <source>Type wanted</source>
        <translation>Tipo deseado</translation>
    </message>
    <message>
        <source>type %1, as selected</source>
        <translation>tipo %1, como el seleccionado</translation>
    </message>
    <message>
        <source>type %1; %2 is selected</source>
        <translation>tipo %1; está seleccionado %2</translation>
    </message>
    <message>
        <source>%1 needs %2 mm or longer at %3 m; this lens reaches %4 mm</source>
        <translation>%1 necesita %2 mm o más a %3 m; este objetivo llega a %4 mm</translation>
    </message>
    <message>
        <source>made for %1: its image circle of %2 mm covers the camera&apos;s %3 mm diagonal</source>
        <translation>hecho para %1: su círculo de imagen de %2 mm cubre la diagonal de %3 mm de la cámara</translation>
    </message>
    <message>
        <source>made for %1: its image circle of %2 mm is smaller than the camera&apos;s %3 mm diagonal</source>
        <translation>hecho para %1: su círculo de imagen de %2 mm es menor que la diagonal de %3 mm de la cámara</translation>
    </message>
</context>
<context>
    <name>vistaro::frmSceltaLingua</name>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Language files</source>
        <translation>Archivos de idioma</translation>
    </message>
</context>
</TS>
