<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>Belt inner radius</source>
        <translation>Innerer Radius</translation>
    </message>
    <message>
        <source>Belt name</source>
        <translation>Objektname</translation>
    </message>
    <message>
        <source>Belt outer radius</source>
        <translation>Äusserer Radius</translation>
    </message>
    <message>
        <source>Center object</source>
        <translation>Zentralobjekt</translation>
    </message>
    <message>
        <source>Earth mass</source>
        <translation>Erdmassen</translation>
    </message>
    <message>
        <source>Epoch</source>
        <translation>Epoche</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Generiere</translation>
    </message>
    <message>
        <source>Generating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the center object a barycenter?</source>
        <translation>Ist das Zentralobjekt ein Barycenter?</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Load preset</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Max eccentricity</source>
        <translation>Maximale Exzentrizität</translation>
    </message>
    <message>
        <source>Max inclination</source>
        <translation>Maximale Inklination</translation>
    </message>
    <message>
        <source>Max radius</source>
        <translation>Maximaler Radius</translation>
    </message>
    <message>
        <source>Min eccentricity</source>
        <translation>Minimale Exzentrizität</translation>
    </message>
    <message>
        <source>Min radius</source>
        <translation>Minimaler Radius</translation>
    </message>
    <message>
        <source>Name of asteroids - a serial number is appended</source>
        <translation>Objektname - Eine laufende Nummer wird angefügt</translation>
    </message>
    <message>
        <source>Number of objects</source>
        <translation>Anzahl der Objekte</translation>
    </message>
    <message>
        <source>Positive and negative bounds</source>
        <translation>Positive und Negative Grenzen</translation>
    </message>
    <message>
        <source>Python version and enhancements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Reference plane</source>
        <translation>Referenze Ebene</translation>
    </message>
    <message>
        <source>Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar mass</source>
        <translation>Sonnenmassen</translation>
    </message>
    <message>
        <source>Total mass</source>
        <translation>Totale Masse</translation>
    </message>
    <message>
        <source>Total mass of main objects. An approximate value is sufficient</source>
        <translation>Totale Masse der Hauptobjekte des Systems. Ein angenäherter Wert ist ausreichend</translation>
    </message>
    <message>
        <source>Type of object</source>
        <translation>Objekttyp</translation>
    </message>
    <message>
        <source>original Batch version</source>
        <translation>Originale Batch Version</translation>
    </message>
</context>
</TS>
