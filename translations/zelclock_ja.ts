<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>ListWindow</name>
    <message>
        <source>No such time there that day: summer time skips it</source>
        <translation>その日その地にはない時刻です（夏時間で飛ばされます）</translation>
    </message>
    <message>
        <source>Type a time such as 9, 9:30 or 21:05</source>
        <translation>9、9:30、21:05 のように時刻を入力してください</translation>
    </message>
</context>
</TS>
