<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>F800</name>
    <message>
        <source>ﾀｲﾏ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比較禁止時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>風袋設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AZ回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計量開始時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｼｰｹﾝｽﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計量機能１</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計量機能２</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計量機能３</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>機能ｷｰ禁止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛﾄﾗｯｷﾝｸﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分銅重量値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大秤量値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小目盛</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味ｵｰﾊﾞｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総量ｵｰﾊﾞｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>機能選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重力加速度補正</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大－最小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>母標準偏差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標本標準偏差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了出力時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単純比較ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>補正投入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>補正投入&#x3000;無し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>補正投入&#x3000;有り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時ｾﾞﾛ付近確認&#x3000;無し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時ｾﾞﾛ付近確認&#x3000;有り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重量値確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時重量値確認&#x3000;無し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時重量値確認&#x3000;有り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御&#x3000;無し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御&#x3000;有り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御&#x3000;有り(ｾﾞﾛ付近確認)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動積算指令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動積算指令&#x3000;OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動積算指令&#x3000;ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>定量及び過不足比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比較&#x3000;OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下限比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総量 =&lt; ｾﾞﾛ付近設定時ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味 =&lt; ｾﾞﾛ付近設定時ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>絶対値総量 =&lt; ｾﾞﾛ付近設定時ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>絶対値正味 =&lt; ｾﾞﾛ付近設定時ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内部設定&#x3000;・内部入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部入力&#x3000;・内部入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部選択&#x3000;・内部入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内部設定&#x3000;・外部入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部入力&#x3000;・外部入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部選択&#x3000;・外部入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内部設定&#x3000;・外部選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部入力&#x3000;・外部選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部選択&#x3000;・外部選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り出し制御ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>投入制御</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出制御</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部選択(投入OFF/排出ON)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>過不足比較ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>常時比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部判定入力ON時比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了出力ON時比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了出力ON時比較(重量値ﾎｰﾙﾄﾞ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下限比較ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了信号出力ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定ﾀｲﾏ経過後完了出力時間ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定ﾀｲﾏ経過後安定から完了出力時間ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>定量過不足比較ON後判定ﾀｲﾏ重量値安定後ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動落差補正係数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動落差補正</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動落差補正平均回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙ風袋引</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>風袋引ｷｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>禁止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>風袋引ﾘｾｯﾄｷｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総重量/正味ｷｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛ調整ｷｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｱﾅﾛｸﾞﾌｨﾙﾀ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2HZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4HZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6HZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8HZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ変化幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛﾄﾗｯｷﾝｸﾞ時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛﾄﾗｯｷﾝｸﾞ幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3回／秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6回／秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13回／秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25回／秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小数点位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/4目盛</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単位表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未定義</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>F805</name>
    <message>
        <source>上下限比較有無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下限比較ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下限</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近比較有無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>過不足比較有無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>過不足比較ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了信号出力ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了出力時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比較禁止時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り出し制御ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動落差補正係数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動落差補正有無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動落差補正平均</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｱﾅﾛｸﾞﾌｨﾙﾀ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安定時ﾌｨﾙﾀ・MD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MD時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MD幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZT時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZT幅</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DZ規制値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｼｰｹﾝｽﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AZ回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出時間(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START/STOPｷｰ禁止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙ風袋引き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>風袋設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動積算指令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計量銘柄指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定銘柄指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄毎設定ｷｰ禁止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分銅重量値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大秤量値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小目盛</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味ｵｰﾊﾞｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総重量ｵｰﾊﾞｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小数点位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単位設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/4目盛</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重力加速度補正</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印加電圧(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌｨｯｸﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾄﾘｶﾞﾚﾍﾞﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X(時間)軸終点(秒)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y(重量)軸始点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y(重量)軸終点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平均重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>母標準偏差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標本標準偏差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大-最小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCK(soft)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比較 OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>常時比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部判定 ON 時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>絶対総重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>絶対正味</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了信号 ON 時</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了 ON 時 HOLD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定時間経</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定 and 安定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>判定 or 安定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>投入制御</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出制御</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動落差補正平均回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3回／秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6回／秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13回／秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25回／秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2HZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4HZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6HZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8HZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾀﾞﾐｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安定時ﾌｨﾙﾀ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挿入する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挿入しない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MDﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安定ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾁｪｯｶｰﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>単純比較ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時ｾﾞﾛ付近確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時重量値確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>補正投入有無</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>禁止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有効</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G/N 表示切換</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内部ｷｰﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部入力ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出制御時の符号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味が符号非反転表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味が符号反転表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TARE/DZｷｰ禁止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GROSS/NETｷｰ禁止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内部設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外部入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最小目盛り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｼﾝｸﾞﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>連続</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最大－最小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JAPANESE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENGLISH</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <source>01(9.806)釧路市,北見市,網走市,留萌市,稚内市,紋別市,根室市,宗谷支庁管内,留萌支庁管内,網走支庁管内,根室支庁管内,釧路支庁管内</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>02(9.805)札幌市,小樽市,旭川市,夕張市,岩見沢市,美唄市,芦別市,江別市,赤平氏,士別市,富良野市,名寄市,三笠市,千歳市,滝川市,砂川市,歌志内市,深川市,恵庭市,石狩支庁管内,後志支庁管内,上川支庁管内,空知支庁管内</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>03(9.804)函館市,室蘭市,帯広市,苫小牧市,登別市,伊達市,渡島支庁管内,槍山支庁管内,胆振支庁管内,日高支庁管内,十勝支庁管内</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>04(9.803)青森県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>05(9.802)岩手県,秋田県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>06(9.801)宮城県,山形県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>07(9.800)福島県,茨城県,新潟県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>08(9.799)栃木県,富山県,石川県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>09(9.798)群馬県,埼玉県,千葉県,東京都(八丈支庁館内,小笠原支庁管内を除く),福井県,京都府,鳥取県,島根県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10(9.797)神奈川県,山梨県,長野県,岐阜県,静岡県,愛知県,三重県,和歌山県,滋賀県,大阪府,兵庫県,奈良県,岡山県,広島県,山口県,徳島県,香川県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11(9.796)東京都(八丈支庁管内に限る),愛媛県,高知県,福岡県,佐賀県,長崎県,大分県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12(9.795)熊本県,宮崎県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13(9.794)鹿児島県(名瀬市,大島郡を除く)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14(9.793)東京都(小笠原支庁管内に限る)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15(9.792)鹿児島県(名瀬市,大島郡に限る)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16(9.791)沖縄県</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大投入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>定量前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>定量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>過量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不足</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>落差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動落差規制値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>補正投入時間</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>    エラー。タイムアウト    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ポートが開いていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>送信する値に改行文字が含まれています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指示計からの応答が長すぎます（%1 文字を超えました）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通信ＯＫ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄 %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄 %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ほか %1 件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次の値を正しく読めませんでした: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>風袋</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累積回数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累積値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累積ﾃﾞｰﾀ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計量ﾃﾞｰﾀ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛ校正</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｽﾊﾟﾝ校正</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示・総重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示・正味重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>風袋引き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>風袋引きﾘｾｯﾄ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙｾﾞﾛ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙｾﾞﾛﾘｾｯﾄ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>積算指令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累積ｸﾘﾔ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累積ｵｰﾙｸﾘﾔ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>詳細</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１銘柄読みだし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全銘柄読みだし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１銘柄書き込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全銘柄書き込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示ﾃﾞｰﾀ書き込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全銘柄表示ﾃﾞｰﾀ書き込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一括読みだし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一括書き込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値読み出し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値書き込み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指示計と比較</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込み前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>照合 OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>照合：%1 件が一致しません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>照合：%1 件を正しく読めませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>照合：タイムアウトのため確認できませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指示計の銘柄を %1 に戻しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+C で中断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+C で中断 (最後: W%1 %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+C で中断 (最後: 銘柄 %1 W%2 %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>model</name>
    <message>
        <source>無効なﾃﾞｰﾀ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正味</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比較OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>計量中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZERO校正中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPAN校正中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重量値ﾎｰﾙﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重量値ｾﾞﾛ異常</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重量値安定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>風袋引き中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重量表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背面端子LOCK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOCK(soft)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大投入出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中投入出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小投入出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不足出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正量出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>過量出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>完了出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下限出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上限出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>排出出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未定義</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重量異常出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｴﾗｰ出力信号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>動作ﾓｰﾄﾞ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重量値ｵｰﾊﾞｰﾌﾛｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>校正ｴﾗｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ｼｰｹﾝｽｴﾗｰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（該当なし %1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力された値は無効な値です。00000 から %1 までの 5 桁の数値を入力して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力された値は無効な値です。00001 から 00016 までの 5 桁の数値を入力して下さい。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>処理完了。 100 銘柄同じ設定にしました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無効な入力があるため設定できません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>CSV ファイルではありません（テキストではありません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字コードが UTF-8 でも Shift-JIS でもありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV ファイルではありません（引用符が閉じていません）。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>場所</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画面の値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>比較先の値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コード</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>項目</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄を CSV から読み込めませんでした。何も変更していません。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 桁の数値ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00000 から %1 までの数値ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが空です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄の CSV ではありません。1 行目に「銘柄番号」と項目名（%1 など）の見出しが必要です。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 行目「%2」: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>見出しは %1 列ですが、この行は %2 列です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 から %1 までの番号ではありません（%2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄 %1 は %2 行目にもあります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄の行がありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを開けません: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄 %1 件を CSV から読み込みました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 インジケーター設定値一覧表</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>機種: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作成日時: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>装置: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データの出所: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（編集あり）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プログラム: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>値のない銘柄 %1 は省略しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2 ページ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&#x3000;・%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF を作成できませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>transfer</name>
    <message>
        <source>設定値 読み込み中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値 読み込み完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値 読み込み未完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値 読み込み中断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値 %1 送信中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値送信完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値送信未完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定値送信中断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄 %1 読み込み中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄読み込み完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄読み込み未完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄読み込み中断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄 %1 送信中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄送信完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄送信中断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄 %1 書き込み中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄書き込み完了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄書き込み中断</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄データが無効です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無効なデータがあるため転送できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無効なデータがあるため転送できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指示計の応答に銘柄番号がありません。<byte value="xd"/>
応答：%1<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>銘柄番号 %1 は範囲外です。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
