<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>English</source>
        <translation>Anonymous</translation>
    </message>
</context>
</TS>
