<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>F800</name>
    <message>
        <source>ﾀｲﾏ</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>比較禁止時間(秒)</source>
        <translation>Cmp. inhibit time (s)</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>下限</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近</source>
        <translation>Near zero</translation>
    </message>
    <message>
        <source>風袋設定</source>
        <translation>Preset tare</translation>
    </message>
    <message>
        <source>AZ回数</source>
        <translation>AZ count</translation>
    </message>
    <message>
        <source>判定回数</source>
        <translation>Judgement count</translation>
    </message>
    <message>
        <source>排出時間(秒)</source>
        <translation>Discharge time (s)</translation>
    </message>
    <message>
        <source>計量開始時間(秒)</source>
        <translation>Weighing start time (s)</translation>
    </message>
    <message>
        <source>ｼｰｹﾝｽﾓｰﾄﾞ</source>
        <translation>Sequence mode</translation>
    </message>
    <message>
        <source>計量機能１</source>
        <translation>Weighing function 1</translation>
    </message>
    <message>
        <source>計量機能２</source>
        <translation>Weighing function 2</translation>
    </message>
    <message>
        <source>計量機能３</source>
        <translation>Weighing function 3</translation>
    </message>
    <message>
        <source>機能ｷｰ禁止</source>
        <translation>Function key lock</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ</source>
        <translation>Motion detection</translation>
    </message>
    <message>
        <source>ｾﾞﾛﾄﾗｯｷﾝｸﾞ</source>
        <translation>Zero tracking</translation>
    </message>
    <message>
        <source>分銅重量値</source>
        <translation>Calibration weight</translation>
    </message>
    <message>
        <source>最大秤量値</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>最小目盛</source>
        <translation>Scale interval</translation>
    </message>
    <message>
        <source>正味ｵｰﾊﾞｰ</source>
        <translation>Net over</translation>
    </message>
    <message>
        <source>総量ｵｰﾊﾞｰ</source>
        <translation>Gross over</translation>
    </message>
    <message>
        <source>機能選択</source>
        <translation>Function select</translation>
    </message>
    <message>
        <source>重力加速度補正</source>
        <translation>Gravity compensation</translation>
    </message>
    <message>
        <source>最大重量</source>
        <translation>Maximum weight</translation>
    </message>
    <message>
        <source>最小重量</source>
        <translation>Minimum weight</translation>
    </message>
    <message>
        <source>最大－最小</source>
        <translation>Max - min</translation>
    </message>
    <message>
        <source>平均重量</source>
        <translation>Mean weight</translation>
    </message>
    <message>
        <source>母標準偏差</source>
        <translation>Population SD</translation>
    </message>
    <message>
        <source>標本標準偏差</source>
        <translation>Sample SD</translation>
    </message>
    <message>
        <source>判定時間(秒)</source>
        <translation>Judgement time (s)</translation>
    </message>
    <message>
        <source>完了出力時間(秒)</source>
        <translation>Complete output time (s)</translation>
    </message>
    <message>
        <source>単純比較ﾓｰﾄﾞ</source>
        <translation>Simple comparison mode</translation>
    </message>
    <message>
        <source>補正投入</source>
        <translation>Compensation feed</translation>
    </message>
    <message>
        <source>補正投入&#x3000;無し</source>
        <translation>Compensation feed: no</translation>
    </message>
    <message>
        <source>補正投入&#x3000;有り</source>
        <translation>Compensation feed: yes</translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近確認</source>
        <translation>Near-zero check</translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時ｾﾞﾛ付近確認&#x3000;無し</source>
        <translation>Near-zero check at start: no</translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時ｾﾞﾛ付近確認&#x3000;有り</source>
        <translation>Near-zero check at start: yes</translation>
    </message>
    <message>
        <source>重量値確認</source>
        <translation>Weight check</translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時重量値確認&#x3000;無し</source>
        <translation>Weight check at start: no</translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時重量値確認&#x3000;有り</source>
        <translation>Weight check at start: yes</translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御</source>
        <translation>Discharge gate control</translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御&#x3000;無し</source>
        <translation>Discharge gate: no</translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御&#x3000;有り</source>
        <translation>Discharge gate: yes</translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御&#x3000;有り(ｾﾞﾛ付近確認)</source>
        <translation>Discharge gate: yes (near-zero check)</translation>
    </message>
    <message>
        <source>自動積算指令</source>
        <translation>Auto add-up</translation>
    </message>
    <message>
        <source>自動積算指令&#x3000;OFF</source>
        <translation>Auto add-up: OFF</translation>
    </message>
    <message>
        <source>自動積算指令&#x3000;ON</source>
        <translation>Auto add-up: ON</translation>
    </message>
    <message>
        <source>定量及び過不足比較</source>
        <translation>Target and over/under cmp.</translation>
    </message>
    <message>
        <source>総重量</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>正味重量</source>
        <translation>Net weight</translation>
    </message>
    <message>
        <source>比較&#x3000;OFF</source>
        <translation>Comparison OFF</translation>
    </message>
    <message>
        <source>上下限比較</source>
        <translation>Limit comparison</translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近比較</source>
        <translation>Near-zero comparison</translation>
    </message>
    <message>
        <source>総量 =&lt; ｾﾞﾛ付近設定時ON</source>
        <translation>ON when gross &lt;= near zero</translation>
    </message>
    <message>
        <source>正味 =&lt; ｾﾞﾛ付近設定時ON</source>
        <translation>ON when net &lt;= near zero</translation>
    </message>
    <message>
        <source>絶対値総量 =&lt; ｾﾞﾛ付近設定時ON</source>
        <translation>ON when |gross| &lt;= near zero</translation>
    </message>
    <message>
        <source>絶対値正味 =&lt; ｾﾞﾛ付近設定時ON</source>
        <translation>ON when |net| &lt;= near zero</translation>
    </message>
    <message>
        <source>銘柄指定</source>
        <translation>Product select</translation>
    </message>
    <message>
        <source>内部設定&#x3000;・内部入力</source>
        <translation>Internal setting / internal input</translation>
    </message>
    <message>
        <source>外部入力&#x3000;・内部入力</source>
        <translation>External input / internal input</translation>
    </message>
    <message>
        <source>外部選択&#x3000;・内部入力</source>
        <translation>External select / internal input</translation>
    </message>
    <message>
        <source>内部設定&#x3000;・外部入力</source>
        <translation>Internal setting / external input</translation>
    </message>
    <message>
        <source>外部入力&#x3000;・外部入力</source>
        <translation>External input / external input</translation>
    </message>
    <message>
        <source>外部選択&#x3000;・外部入力</source>
        <translation>External select / external input</translation>
    </message>
    <message>
        <source>内部設定&#x3000;・外部選択</source>
        <translation>Internal setting / external select</translation>
    </message>
    <message>
        <source>外部入力&#x3000;・外部選択</source>
        <translation>External input / external select</translation>
    </message>
    <message>
        <source>外部選択&#x3000;・外部選択</source>
        <translation>External select / external select</translation>
    </message>
    <message>
        <source>切り出し制御ﾓｰﾄﾞ</source>
        <translation>Dispensing control mode</translation>
    </message>
    <message>
        <source>投入制御</source>
        <translation>Feed control</translation>
    </message>
    <message>
        <source>排出制御</source>
        <translation>Discharge control</translation>
    </message>
    <message>
        <source>外部選択(投入OFF/排出ON)</source>
        <translation>External select (feed OFF/discharge ON)</translation>
    </message>
    <message>
        <source>過不足比較ﾓｰﾄﾞ</source>
        <translation>Over/under cmp. mode</translation>
    </message>
    <message>
        <source>常時比較</source>
        <translation>Always compare</translation>
    </message>
    <message>
        <source>外部判定入力ON時比較</source>
        <translation>Compare when ext. judgement input ON</translation>
    </message>
    <message>
        <source>完了出力ON時比較</source>
        <translation>Compare when complete output ON</translation>
    </message>
    <message>
        <source>完了出力ON時比較(重量値ﾎｰﾙﾄﾞ)</source>
        <translation>Compare when complete ON (weight hold)</translation>
    </message>
    <message>
        <source>上下限比較ﾓｰﾄﾞ</source>
        <translation>Limit cmp. mode</translation>
    </message>
    <message>
        <source>完了信号出力ﾓｰﾄﾞ</source>
        <translation>Complete signal mode</translation>
    </message>
    <message>
        <source>判定ﾀｲﾏ経過後完了出力時間ON</source>
        <translation>ON for output time after judgement timer</translation>
    </message>
    <message>
        <source>判定ﾀｲﾏ経過後安定から完了出力時間ON</source>
        <translation>ON for output time after timer and stable</translation>
    </message>
    <message>
        <source>定量過不足比較ON後判定ﾀｲﾏ重量値安定後ON</source>
        <translation>ON after over/under cmp., timer and stable</translation>
    </message>
    <message>
        <source>自動落差補正係数</source>
        <translation>Auto free-fall comp. factor</translation>
    </message>
    <message>
        <source>自動落差補正</source>
        <translation>Auto free-fall compensation</translation>
    </message>
    <message>
        <source>無し</source>
        <translation>No</translation>
    </message>
    <message>
        <source>有り</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>自動落差補正平均回数</source>
        <translation>Auto free-fall comp. avg. count</translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙ風袋引</source>
        <translation>Digital tare</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>風袋引ｷｰ</source>
        <translation>Tare key</translation>
    </message>
    <message>
        <source>禁止</source>
        <translation>Locked</translation>
    </message>
    <message>
        <source>有効</source>
        <translation>Unlocked</translation>
    </message>
    <message>
        <source>風袋引ﾘｾｯﾄｷｰ</source>
        <translation>Tare reset key</translation>
    </message>
    <message>
        <source>総重量/正味ｷｰ</source>
        <translation>Gross/net key</translation>
    </message>
    <message>
        <source>ｾﾞﾛ調整ｷｰ</source>
        <translation>Zero key</translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ</source>
        <translation>Digital filter</translation>
    </message>
    <message>
        <source>2回</source>
        <translation>2 times</translation>
    </message>
    <message>
        <source>4回</source>
        <translation>4 times</translation>
    </message>
    <message>
        <source>8回</source>
        <translation>8 times</translation>
    </message>
    <message>
        <source>ｱﾅﾛｸﾞﾌｨﾙﾀ</source>
        <translation>Analogue filter</translation>
    </message>
    <message>
        <source>2HZ</source>
        <translation>2HZ</translation>
    </message>
    <message>
        <source>4HZ</source>
        <translation>4HZ</translation>
    </message>
    <message>
        <source>6HZ</source>
        <translation>6HZ</translation>
    </message>
    <message>
        <source>8HZ</source>
        <translation>8HZ</translation>
    </message>
    <message>
        <source>ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ時間(秒)</source>
        <translation>Motion detection time (s)</translation>
    </message>
    <message>
        <source>ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ変化幅</source>
        <translation>Motion detection range</translation>
    </message>
    <message>
        <source>ｾﾞﾛﾄﾗｯｷﾝｸﾞ時間(秒)</source>
        <translation>Zero tracking time (s)</translation>
    </message>
    <message>
        <source>ｾﾞﾛﾄﾗｯｷﾝｸﾞ幅</source>
        <translation>Zero tracking range</translation>
    </message>
    <message>
        <source>表示回数</source>
        <translation>Display rate</translation>
    </message>
    <message>
        <source>3回／秒</source>
        <translation>3 times/s</translation>
    </message>
    <message>
        <source>6回／秒</source>
        <translation>6 times/s</translation>
    </message>
    <message>
        <source>13回／秒</source>
        <translation>13 times/s</translation>
    </message>
    <message>
        <source>25回／秒</source>
        <translation>25 times/s</translation>
    </message>
    <message>
        <source>小数点位置</source>
        <translation>Decimal point</translation>
    </message>
    <message>
        <source>1/4目盛</source>
        <translation>Quarter division</translation>
    </message>
    <message>
        <source>単位表示</source>
        <translation>Unit display</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>未定義</source>
        <translation>Undefined</translation>
    </message>
    <message>
        <source>Ｆ８００ ｲﾝｼﾞｹｰﾀｰ設定</source>
        <translation>F800 Indicator Settings</translation>
    </message>
    <message>
        <source>F800銘柄変更</source>
        <translation>F800 Change product</translation>
    </message>
</context>
<context>
    <name>F805</name>
    <message>
        <source>上下限比較有無</source>
        <translation>Limit comparison</translation>
    </message>
    <message>
        <source>上下限比較ﾓｰﾄﾞ</source>
        <translation>Limit cmp. mode</translation>
    </message>
    <message>
        <source>上限</source>
        <translation>Upper limit</translation>
    </message>
    <message>
        <source>下限</source>
        <translation>Lower limit</translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近比較有無</source>
        <translation>Near-zero comparison</translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近</source>
        <translation>Near zero</translation>
    </message>
    <message>
        <source>過不足比較有無</source>
        <translation>Over/under comparison</translation>
    </message>
    <message>
        <source>過不足比較ﾓｰﾄﾞ</source>
        <translation>Over/under cmp. mode</translation>
    </message>
    <message>
        <source>完了信号出力ﾓｰﾄﾞ</source>
        <translation>Complete signal mode</translation>
    </message>
    <message>
        <source>完了出力時間(秒)</source>
        <translation>Complete output time (s)</translation>
    </message>
    <message>
        <source>判定時間(秒)</source>
        <translation>Judgement time (s)</translation>
    </message>
    <message>
        <source>比較禁止時間(秒)</source>
        <translation>Cmp. inhibit time (s)</translation>
    </message>
    <message>
        <source>切り出し制御ﾓｰﾄﾞ</source>
        <translation>Dispensing control mode</translation>
    </message>
    <message>
        <source>自動落差補正係数</source>
        <translation>Auto free-fall comp. factor</translation>
    </message>
    <message>
        <source>自動落差補正有無</source>
        <translation>Auto free-fall compensation</translation>
    </message>
    <message>
        <source>自動落差補正平均</source>
        <translation>Auto free-fall comp. average</translation>
    </message>
    <message>
        <source>表示回数</source>
        <translation>Display rate</translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ</source>
        <translation>Digital filter</translation>
    </message>
    <message>
        <source>ｱﾅﾛｸﾞﾌｨﾙﾀ</source>
        <translation>Analogue filter</translation>
    </message>
    <message>
        <source>安定時ﾌｨﾙﾀ・MD</source>
        <translation>Stable filter / MD</translation>
    </message>
    <message>
        <source>MD時間(秒)</source>
        <translation>MD time (s)</translation>
    </message>
    <message>
        <source>MD幅</source>
        <translation>MD range</translation>
    </message>
    <message>
        <source>ZT時間(秒)</source>
        <translation>ZT time (s)</translation>
    </message>
    <message>
        <source>ZT幅</source>
        <translation>ZT range</translation>
    </message>
    <message>
        <source>DZ規制値</source>
        <translation>DZ limit</translation>
    </message>
    <message>
        <source>ｼｰｹﾝｽﾓｰﾄﾞ</source>
        <translation>Sequence mode</translation>
    </message>
    <message>
        <source>判定回数</source>
        <translation>Judgement count</translation>
    </message>
    <message>
        <source>AZ回数</source>
        <translation>AZ count</translation>
    </message>
    <message>
        <source>排出時間(秒)</source>
        <translation>Discharge time (s)</translation>
    </message>
    <message>
        <source>START/STOPｷｰ禁止</source>
        <translation>START/STOP key lock</translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙ風袋引き</source>
        <translation>Digital tare</translation>
    </message>
    <message>
        <source>風袋設定</source>
        <translation>Preset tare</translation>
    </message>
    <message>
        <source>自動積算指令</source>
        <translation>Auto add-up</translation>
    </message>
    <message>
        <source>計量銘柄指定</source>
        <translation>Weighing product select</translation>
    </message>
    <message>
        <source>設定銘柄指定</source>
        <translation>Setting product select</translation>
    </message>
    <message>
        <source>銘柄毎設定ｷｰ禁止</source>
        <translation>Product setting key lock</translation>
    </message>
    <message>
        <source>分銅重量値</source>
        <translation>Calibration weight</translation>
    </message>
    <message>
        <source>最大秤量値</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>最小目盛</source>
        <translation>Scale interval</translation>
    </message>
    <message>
        <source>正味ｵｰﾊﾞｰ</source>
        <translation>Net over</translation>
    </message>
    <message>
        <source>総重量ｵｰﾊﾞｰ</source>
        <translation>Gross over</translation>
    </message>
    <message>
        <source>小数点位置</source>
        <translation>Decimal point</translation>
    </message>
    <message>
        <source>単位設定</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>1/4目盛</source>
        <translation>Quarter division</translation>
    </message>
    <message>
        <source>重力加速度補正</source>
        <translation>Gravity compensation</translation>
    </message>
    <message>
        <source>印加電圧(V)</source>
        <translation>Excitation voltage (V)</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌｨｯｸﾓｰﾄﾞ</source>
        <translation>Graph mode</translation>
    </message>
    <message>
        <source>ﾄﾘｶﾞﾚﾍﾞﾙ</source>
        <translation>Trigger level</translation>
    </message>
    <message>
        <source>X(時間)軸終点(秒)</source>
        <translation>X (time) axis end (s)</translation>
    </message>
    <message>
        <source>Y(重量)軸始点</source>
        <translation>Y (weight) axis start</translation>
    </message>
    <message>
        <source>Y(重量)軸終点</source>
        <translation>Y (weight) axis end</translation>
    </message>
    <message>
        <source>平均重量</source>
        <translation>Mean weight</translation>
    </message>
    <message>
        <source>最大重量</source>
        <translation>Maximum weight</translation>
    </message>
    <message>
        <source>最小重量</source>
        <translation>Minimum weight</translation>
    </message>
    <message>
        <source>母標準偏差</source>
        <translation>Population SD</translation>
    </message>
    <message>
        <source>標本標準偏差</source>
        <translation>Sample SD</translation>
    </message>
    <message>
        <source>最大-最小</source>
        <translation>Max - min</translation>
    </message>
    <message>
        <source>LOCK(soft)</source>
        <translation>LOCK(soft)</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUAGE</translation>
    </message>
    <message>
        <source>総重量</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>正味重量</source>
        <translation>Net weight</translation>
    </message>
    <message>
        <source>比較 OFF</source>
        <translation>Comparison OFF</translation>
    </message>
    <message>
        <source>常時比較</source>
        <translation>Always compare</translation>
    </message>
    <message>
        <source>外部判定 ON 時</source>
        <translation>When ext. judgement ON</translation>
    </message>
    <message>
        <source>正味</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>絶対総重量</source>
        <translation>Absolute gross</translation>
    </message>
    <message>
        <source>絶対正味</source>
        <translation>Absolute net</translation>
    </message>
    <message>
        <source>完了信号 ON 時</source>
        <translation>When complete ON</translation>
    </message>
    <message>
        <source>完了 ON 時 HOLD</source>
        <translation>HOLD when complete ON</translation>
    </message>
    <message>
        <source>判定時間経</source>
        <translation>After judgement time</translation>
    </message>
    <message>
        <source>判定 and 安定</source>
        <translation>Judgement and stable</translation>
    </message>
    <message>
        <source>判定 or 安定</source>
        <translation>Judgement or stable</translation>
    </message>
    <message>
        <source>投入制御</source>
        <translation>Feed control</translation>
    </message>
    <message>
        <source>排出制御</source>
        <translation>Discharge control</translation>
    </message>
    <message>
        <source>外部選択</source>
        <translation>External select</translation>
    </message>
    <message>
        <source>無し</source>
        <translation>No</translation>
    </message>
    <message>
        <source>有り</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>自動落差補正平均回数</source>
        <translation>Auto free-fall comp. avg. count</translation>
    </message>
    <message>
        <source>3回／秒</source>
        <translation>3 times/s</translation>
    </message>
    <message>
        <source>6回／秒</source>
        <translation>6 times/s</translation>
    </message>
    <message>
        <source>13回／秒</source>
        <translation>13 times/s</translation>
    </message>
    <message>
        <source>25回／秒</source>
        <translation>25 times/s</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>2回</source>
        <translation>2 times</translation>
    </message>
    <message>
        <source>4回</source>
        <translation>4 times</translation>
    </message>
    <message>
        <source>8回</source>
        <translation>8 times</translation>
    </message>
    <message>
        <source>16回</source>
        <translation>16 times</translation>
    </message>
    <message>
        <source>32回</source>
        <translation>32 times</translation>
    </message>
    <message>
        <source>64回</source>
        <translation>64 times</translation>
    </message>
    <message>
        <source>128回</source>
        <translation>128 times</translation>
    </message>
    <message>
        <source>2HZ</source>
        <translation>2HZ</translation>
    </message>
    <message>
        <source>4HZ</source>
        <translation>4HZ</translation>
    </message>
    <message>
        <source>6HZ</source>
        <translation>6HZ</translation>
    </message>
    <message>
        <source>8HZ</source>
        <translation>8HZ</translation>
    </message>
    <message>
        <source>ﾀﾞﾐｰ</source>
        <translation>Dummy</translation>
    </message>
    <message>
        <source>安定時ﾌｨﾙﾀ</source>
        <translation>Stable filter</translation>
    </message>
    <message>
        <source>挿入する</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>挿入しない</source>
        <translation>Do not insert</translation>
    </message>
    <message>
        <source>MDﾓｰﾄﾞ</source>
        <translation>MD mode</translation>
    </message>
    <message>
        <source>安定ﾓｰﾄﾞ</source>
        <translation>Stable mode</translation>
    </message>
    <message>
        <source>ﾁｪｯｶｰﾓｰﾄﾞ</source>
        <translation>Checker mode</translation>
    </message>
    <message>
        <source>単純比較ﾓｰﾄﾞ</source>
        <translation>Simple comparison mode</translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時ｾﾞﾛ付近確認</source>
        <translation>Near-zero check at start</translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時重量値確認</source>
        <translation>Weight check at start</translation>
    </message>
    <message>
        <source>補正投入有無</source>
        <translation>Compensation feed</translation>
    </message>
    <message>
        <source>排出ｹﾞｰﾄ制御</source>
        <translation>Discharge gate control</translation>
    </message>
    <message>
        <source>禁止</source>
        <translation>Locked</translation>
    </message>
    <message>
        <source>有効</source>
        <translation>Unlocked</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>G/N 表示切換</source>
        <translation>G/N display switch</translation>
    </message>
    <message>
        <source>内部ｷｰﾓｰﾄﾞ</source>
        <translation>Internal key mode</translation>
    </message>
    <message>
        <source>外部入力ﾓｰﾄﾞ</source>
        <translation>External input mode</translation>
    </message>
    <message>
        <source>排出制御時の符号</source>
        <translation>Sign in discharge control</translation>
    </message>
    <message>
        <source>正味が符号非反転表示</source>
        <translation>Net sign not inverted</translation>
    </message>
    <message>
        <source>正味が符号反転表示</source>
        <translation>Net sign inverted</translation>
    </message>
    <message>
        <source>TARE/DZｷｰ禁止</source>
        <translation>TARE/DZ key lock</translation>
    </message>
    <message>
        <source>GROSS/NETｷｰ禁止</source>
        <translation>GROSS/NET key lock</translation>
    </message>
    <message>
        <source>内部設定</source>
        <translation>Internal setting</translation>
    </message>
    <message>
        <source>外部入力</source>
        <translation>External input</translation>
    </message>
    <message>
        <source>最小目盛り</source>
        <translation>Scale interval</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>1b</source>
        <translation>1b</translation>
    </message>
    <message>
        <source>5V</source>
        <translation>5V</translation>
    </message>
    <message>
        <source>10V</source>
        <translation>10V</translation>
    </message>
    <message>
        <source>ｼﾝｸﾞﾙ</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>連続</source>
        <translation>Continuous</translation>
    </message>
    <message>
        <source>ﾚﾍﾞﾙ</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>最大－最小</source>
        <translation>Max - min</translation>
    </message>
    <message>
        <source>JAPANESE</source>
        <translation>JAPANESE</translation>
    </message>
    <message>
        <source>ENGLISH</source>
        <translation>ENGLISH</translation>
    </message>
    <message>
        <source>Ｆ８０５ ｲﾝｼﾞｹｰﾀｰ設定</source>
        <translation>F805 Indicator Settings</translation>
    </message>
    <message>
        <source>F805 銘柄変更</source>
        <translation>F805 Change product</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>データファイル %1</source>
        <translation>Data file %1</translation>
    </message>
    <message>
        <source>指示計 %1</source>
        <translation>Indicator %1</translation>
    </message>
    <message>
        <source>履歴 %1</source>
        <translation>History %1</translation>
    </message>
    <message>
        <source>機種を変更する場合、設定値をクリヤする必要があります。<byte value="xd"/>
今すぐクリヤしますか？ (銘柄データは残ります)</source>
        <translation>Changing the model needs the settings cleared.<byte value="xd"/>
Clear them now? (The product data stay.)</translation>
    </message>
    <message>
        <source>%1一括読みだし</source>
        <translation>%1 Read all</translation>
    </message>
    <message>
        <source>%1一括書き込み</source>
        <translation>%1 Write all</translation>
    </message>
    <message>
        <source>%1 読み書き</source>
        <translation>%1 Read/write</translation>
    </message>
    <message>
        <source>設定ファイルの [%1] CommPort &quot;%2&quot; は数値ではありません。</source>
        <translation>CommPort &quot;%2&quot; in [%1] of the configuration file is not a number.</translation>
    </message>
    <message>
        <source>ポート番号 %1 はﾎﾟｰﾄ番号の一覧 (Com1 … Com%2) にありません。</source>
        <translation>Port number %1 is not in the port list (Com1 … Com%2).</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <source>01(9.806)釧路市,北見市,網走市,留萌市,稚内市,紋別市,根室市,宗谷支庁管内,留萌支庁管内,網走支庁管内,根室支庁管内,釧路支庁管内</source>
        <translation>01(9.806) Kushiro, Kitami, Abashiri, Rumoi, Wakkanai, Monbetsu, Nemuro; Soya, Rumoi, Abashiri, Nemuro and Kushiro subprefectures</translation>
    </message>
    <message>
        <source>02(9.805)札幌市,小樽市,旭川市,夕張市,岩見沢市,美唄市,芦別市,江別市,赤平氏,士別市,富良野市,名寄市,三笠市,千歳市,滝川市,砂川市,歌志内市,深川市,恵庭市,石狩支庁管内,後志支庁管内,上川支庁管内,空知支庁管内</source>
        <translation>02(9.805) Sapporo, Otaru, Asahikawa, Yubari, Iwamizawa, Bibai, Ashibetsu, Ebetsu, Akabira, Shibetsu, Furano, Nayoro, Mikasa, Chitose, Takikawa, Sunagawa, Utashinai, Fukagawa, Eniwa; Ishikari, Shiribeshi, Kamikawa and Sorachi subprefectures</translation>
    </message>
    <message>
        <source>03(9.804)函館市,室蘭市,帯広市,苫小牧市,登別市,伊達市,渡島支庁管内,槍山支庁管内,胆振支庁管内,日高支庁管内,十勝支庁管内</source>
        <translation>03(9.804) Hakodate, Muroran, Obihiro, Tomakomai, Noboribetsu, Date; Oshima, Hiyama, Iburi, Hidaka and Tokachi subprefectures</translation>
    </message>
    <message>
        <source>04(9.803)青森県</source>
        <translation>04(9.803) Aomori</translation>
    </message>
    <message>
        <source>05(9.802)岩手県,秋田県</source>
        <translation>05(9.802) Iwate, Akita</translation>
    </message>
    <message>
        <source>06(9.801)宮城県,山形県</source>
        <translation>06(9.801) Miyagi, Yamagata</translation>
    </message>
    <message>
        <source>07(9.800)福島県,茨城県,新潟県</source>
        <translation>07(9.800) Fukushima, Ibaraki, Niigata</translation>
    </message>
    <message>
        <source>08(9.799)栃木県,富山県,石川県</source>
        <translation>08(9.799) Tochigi, Toyama, Ishikawa</translation>
    </message>
    <message>
        <source>09(9.798)群馬県,埼玉県,千葉県,東京都(八丈支庁館内,小笠原支庁管内を除く),福井県,京都府,鳥取県,島根県</source>
        <translation>09(9.798) Gunma, Saitama, Chiba, Tokyo (except Hachijo and Ogasawara subprefectures), Fukui, Kyoto, Tottori, Shimane</translation>
    </message>
    <message>
        <source>10(9.797)神奈川県,山梨県,長野県,岐阜県,静岡県,愛知県,三重県,和歌山県,滋賀県,大阪府,兵庫県,奈良県,岡山県,広島県,山口県,徳島県,香川県</source>
        <translation>10(9.797) Kanagawa, Yamanashi, Nagano, Gifu, Shizuoka, Aichi, Mie, Wakayama, Shiga, Osaka, Hyogo, Nara, Okayama, Hiroshima, Yamaguchi, Tokushima, Kagawa</translation>
    </message>
    <message>
        <source>11(9.796)東京都(八丈支庁管内に限る),愛媛県,高知県,福岡県,佐賀県,長崎県,大分県</source>
        <translation>11(9.796) Tokyo (Hachijo Subprefecture only), Ehime, Kochi, Fukuoka, Saga, Nagasaki, Oita</translation>
    </message>
    <message>
        <source>12(9.795)熊本県,宮崎県</source>
        <translation>12(9.795) Kumamoto, Miyazaki</translation>
    </message>
    <message>
        <source>13(9.794)鹿児島県(名瀬市,大島郡を除く)</source>
        <translation>13(9.794) Kagoshima (except Naze and Oshima District)</translation>
    </message>
    <message>
        <source>14(9.793)東京都(小笠原支庁管内に限る)</source>
        <translation>14(9.793) Tokyo (Ogasawara Subprefecture only)</translation>
    </message>
    <message>
        <source>15(9.792)鹿児島県(名瀬市,大島郡に限る)</source>
        <translation>15(9.792) Kagoshima (Naze and Oshima District only)</translation>
    </message>
    <message>
        <source>16(9.791)沖縄県</source>
        <translation>16(9.791) Okinawa</translation>
    </message>
    <message>
        <source>大投入</source>
        <translation>Coarse feed</translation>
    </message>
    <message>
        <source>定量前</source>
        <translation>Preliminary</translation>
    </message>
    <message>
        <source>定量</source>
        <translation>Target weight</translation>
    </message>
    <message>
        <source>過量</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>不足</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>落差</source>
        <translation>Free fall</translation>
    </message>
    <message>
        <source>自動落差規制値</source>
        <translation>Free-fall comp. limit</translation>
    </message>
    <message>
        <source>補正投入時間</source>
        <translation>Comp. feed time</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <source>通信ＯＫ</source>
        <translation>Communication OK</translation>
    </message>
    <message>
        <source>指示計の応答ではありません: </source>
        <translation>Not an indicator&apos;s reply: </translation>
    </message>
    <message>
        <source>応答がありません</source>
        <translation>No reply</translation>
    </message>
    <message>
        <source>-o FILE を指定してください。</source>
        <translation>Give -o FILE.</translation>
    </message>
    <message>
        <source>--settings-only と --products-only は同時に指定できません。</source>
        <translation>--settings-only and --products-only cannot be given together.</translation>
    </message>
    <message>
        <source>-i FILE を指定してください。</source>
        <translation>Give -i FILE.</translation>
    </message>
    <message>
        <source>入力ファイルの名前が空です。</source>
        <translation>The input file name is empty.</translation>
    </message>
    <message>
        <source>--verify と --dry-run は同時に指定できません。</source>
        <translation>--verify and --dry-run cannot be given together.</translation>
    </message>
    <message>
        <source> (銘柄 %1)</source>
        <translation> (product %1)</translation>
    </message>
    <message>
        <source>中断しました。最後に送信した値: </source>
        <translation>Stopped. Last value sent: </translation>
    </message>
    <message>
        <source>不明なコマンドです: </source>
        <translation>Unknown command: </translation>
    </message>
    <message>
        <source>rusk-cli --help で使い方を表示します。</source>
        <translation>rusk-cli --help shows the usage.</translation>
    </message>
    <message>
        <source>--model は 805 か 800 です。</source>
        <translation>--model is 805 or 800.</translation>
    </message>
    <message>
        <source>DEVICE を 1 つ指定してください。</source>
        <translation>Give one DEVICE.</translation>
    </message>
    <message>
        <source>SOURCE を 1 つ指定してください。</source>
        <translation>Give one SOURCE.</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めません: </source>
        <translation>Cannot read the configuration file: </translation>
    </message>
    <message>
        <source>通信設定が正しくありません: </source>
        <translation>Invalid line settings: </translation>
    </message>
    <message>
        <source>--timeout が正しくありません: </source>
        <translation>Invalid --timeout: </translation>
    </message>
    <message>
        <source>装置が指定されていません。</source>
        <translation>No device given.</translation>
    </message>
    <message>
        <source>制御文字を含む名前は装置ではありません: </source>
        <translation>A name with control characters is no device: </translation>
    </message>
    <message>
        <source>ポート番号は Com1 … Com%1 です: %2</source>
        <translation>Port numbers are Com1 … Com%1: %2</translation>
    </message>
    <message>
        <source>TCP の接続先が正しくありません（tcp://ホスト:ポート と書いて下さい）: </source>
        <translation>Invalid TCP address (write tcp://host:port): </translation>
    </message>
    <message>
        <source>装置ではありません（装置のパス、Com1 … Com%1、tcp://ホスト:ポート のいずれかです）: %2</source>
        <translation>Not a device (a device path, Com1 … Com%1 or tcp://host:port): %2</translation>
    </message>
    <message>
        <source>出力ファイルの名前が空です。</source>
        <translation>The output file name is empty.</translation>
    </message>
    <message>
        <source>何も読み込んでいません（--model で機種を選べます）。</source>
        <translation>Nothing was loaded (--model chooses the model).</translation>
    </message>
    <message>
        <source>履歴の番号が正しくありません: %1（journal: の後に 1 以上の番号を書いてください）</source>
        <translation>Invalid history number: %1 (write a number of 1 or more after journal:)</translation>
    </message>
    <message>
        <source>履歴 %1 が見つかりません。</source>
        <translation>History %1 not found.</translation>
    </message>
    <message>
        <source>履歴ファイル %1 を開けません: %2</source>
        <translation>Cannot open the history file %1: %2</translation>
    </message>
    <message>
        <source>銘柄 %1 W%2 %3</source>
        <translation>Product %1 W%2 %3</translation>
    </message>
    <message>
        <source>A と B を指定してください。</source>
        <translation>Give A and B.</translation>
    </message>
    <message>
        <source>一致</source>
        <translation>Same</translation>
    </message>
    <message>
        <source>保存 %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>相違あり: %1</source>
        <translation>Different: %1</translation>
    </message>
    <message>
        <source>応答なし</source>
        <translation>No reply</translation>
    </message>
    <message>
        <source>ポートエラー</source>
        <translation>Port error</translation>
    </message>
    <message>
        <source>ファイルエラー</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>読み込み不完全</source>
        <translation>Read incomplete</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>打ち切り（%1 分）</source>
        <translation>Given up (%1 min)</translation>
    </message>
    <message>
        <source>（履歴に記録できませんでした）</source>
        <translation> (not kept in the history)</translation>
    </message>
    <message>
        <source>異常終了 (%1)</source>
        <translation>Failed (%1)</translation>
    </message>
    <message>
        <source>未実行</source>
        <translation>Not run</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>装置</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>FLEET.INI と backup か check を指定してください。</source>
        <translation>Give FLEET.INI and backup or check.</translation>
    </message>
    <message>
        <source>backup か check を指定してください: </source>
        <translation>Give backup or check: </translation>
    </message>
    <message>
        <source>--jobs は 1 以上です: </source>
        <translation>--jobs is 1 or more: </translation>
    </message>
    <message>
        <source>-d のフォルダ名が空です。</source>
        <translation>The -d folder name is empty.</translation>
    </message>
    <message>
        <source>フォルダがありません: </source>
        <translation>No such folder: </translation>
    </message>
    <message>
        <source>基準ファイルがありません</source>
        <translation>No baseline file</translation>
    </message>
    <message>
        <source>セクション名が正しくありません: </source>
        <translation>Invalid section name: </translation>
    </message>
    <message>
        <source>セクション [%1] が重複しています</source>
        <translation>Section [%1] appears twice</translation>
    </message>
    <message>
        <source>「キー=値」の形ではありません: </source>
        <translation>Not of the form key=value: </translation>
    </message>
    <message>
        <source>セクションの外にキーがあります: </source>
        <translation>A key outside any section: </translation>
    </message>
    <message>
        <source>不明なキーです (使えるキー: %1)</source>
        <translation>Unknown key (keys: %1)</translation>
    </message>
    <message>
        <source>キーが重複しています (%1 行目)</source>
        <translation>Key given twice (line %1)</translation>
    </message>
    <message>
        <source>%1: 読み込めません (%2)</source>
        <translation>%1: cannot read (%2)</translation>
    </message>
    <message>
        <source>%1: 指示計の一覧としては大きすぎます (%2 KB まで)</source>
        <translation>%1: too large for a fleet file (up to %2 KB)</translation>
    </message>
    <message>
        <source>%1: 指示計のセクションがありません</source>
        <translation>%1: no indicator sections</translation>
    </message>
    <message>
        <source>指定されていません</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>805 か 800 です (%1)</source>
        <translation>805 or 800 (%1)</translation>
    </message>
    <message>
        <source>通信設定が正しくありません (%1)</source>
        <translation>invalid line settings (%1)</translation>
    </message>
    <message>
        <source>毎秒の読み取り回数が正しくありません (%1、1〜20)</source>
        <translation>invalid samples per second (%1, 1 to 20)</translation>
    </message>
    <message>
        <source>ファイル名に使えない名前です (%1)</source>
        <translation>not usable as a file name (%1)</translation>
    </message>
    <message>
        <source>名前 %1 は [%2] と重複しています</source>
        <translation>name %1 is also used by [%2]</translation>
    </message>
    <message>
        <source>%1: ほか %2 件</source>
        <translation>%1: %2 more</translation>
    </message>
    <message>
        <source>--interval が正しくありません: </source>
        <translation>Invalid --interval: </translation>
    </message>
    <message>
        <source>  応答なし</source>
        <translation>  no reply</translation>
    </message>
    <message>
        <source>report: QGuiApplication がありません。</source>
        <translation>report: no QGuiApplication.</translation>
    </message>
    <message>
        <source>--changed と --dry-run は同時に指定できません。</source>
        <translation>--changed and --dry-run cannot be given together.</translation>
    </message>
    <message>
        <source>（指示計: %1）</source>
        <translation>(indicator: %1)</translation>
    </message>
    <message>
        <source>これらの値を指示計へ書き込みますか？ [y/N] </source>
        <translation>Write these values to the indicator? [y/N] </translation>
    </message>
    <message>
        <source>標準入力が端末ではないため確認できません。書き込むには --yes を付けてください。</source>
        <translation>Standard input is not a terminal, so there is no one to ask. Give --yes to write.</translation>
    </message>
    <message>
        <source>書き込みませんでした。</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>点検の間隔が正しくありません (%1、例 90、30s、10m、1h、1 秒〜7 日)</source>
        <translation>invalid check interval (%1; e.g. 90, 30s, 10m, 1h; 1 second to 7 days)</translation>
    </message>
    <message>
        <source>指示計は基準にできません。全体を読むと銘柄が切り替わります (%1)</source>
        <translation>an indicator cannot be the baseline: reading it whole would switch its product (%1)</translation>
    </message>
    <message>
        <source>設定の点検 (基準 %1): %2</source>
        <translation>settings check (baseline %1): %2</translation>
    </message>
    <message>
        <source>設定の点検ができませんでした: %1</source>
        <translation>settings check failed: %1</translation>
    </message>
    <message>
        <source>設定の点検: 基準がないため、この読み取り (%1) を基準にします</source>
        <translation>settings check: no baseline, this read (%1) becomes the baseline</translation>
    </message>
    <message>
        <source>基準 %1 を使えません: %2</source>
        <translation>cannot use the baseline %1: %2</translation>
    </message>
    <message>
        <source>最初の読み取り</source>
        <translation>the first read</translation>
    </message>
    <message>
        <source>--keep-before と --dry-run は同時に指定できません。</source>
        <translation>--keep-before and --dry-run cannot be given together.</translation>
    </message>
</context>
<context>
    <name>history</name>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>設定値 %1 件</source>
        <translation>%1 settings</translation>
    </message>
    <message>
        <source>銘柄 %1 件</source>
        <translation>%1 product values</translation>
    </message>
    <message>
        <source>同じです</source>
        <translation>Same</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1が異なります</source>
        <translation>%1 differ</translation>
    </message>
    <message>
        <source>銘柄 %1 %2</source>
        <translation>Product %1 %2</translation>
    </message>
    <message>
        <source>%1 読み込み中</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>%1 読み込み中断</source>
        <translation>%1 read stopped</translation>
    </message>
    <message>
        <source>%1 読み込み完了</source>
        <translation>%1 read done</translation>
    </message>
    <message>
        <source>書き込み前の値</source>
        <translation>values before write</translation>
    </message>
    <message>
        <source>書き込んだ値</source>
        <translation>values written</translation>
    </message>
    <message>
        <source>履歴を記録できませんでした（%1: %2）</source>
        <translation>Could not keep the history (%1: %2)</translation>
    </message>
    <message>
        <source>この履歴は見つかりません。</source>
        <translation>This history entry was not found.</translation>
    </message>
    <message>
        <source>履歴ファイルを開けません。</source>
        <translation>Cannot open the history file.</translation>
    </message>
    <message>
        <source>SQLite のドライバー（QSQLITE）が見つかりません。</source>
        <translation>The SQLite driver (QSQLITE) is missing.</translation>
    </message>
    <message>
        <source>新しい版の Rusk が作った履歴ファイルです。</source>
        <translation>The history file was made by a newer Rusk.</translation>
    </message>
    <message>
        <source>履歴ファイルが壊れていたため、別名で保存して新しく作り直しました。
%1</source>
        <translation>The history file was damaged; it was kept under another name and a new one made.
%1</translation>
    </message>
    <message>
        <source>この履歴は%1の値です。機種を%1にしてから戻してください。</source>
        <translation>These are %1 values. Switch the model to %1 first.</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした。
%1</source>
        <translation>The file could not be saved.
%1</translation>
    </message>
    <message>
        <source>書き込み前の値を履歴に保存できないため、書き込みません。
</source>
        <translation>The values before the write cannot be kept in the history, so nothing is written.
</translation>
    </message>
</context>
<context>
    <name>link</name>
    <message>
        <source>    エラー。タイムアウト    </source>
        <translation>    Error. Time-out.    </translation>
    </message>
    <message>
        <source>ポートが開いていません。</source>
        <translation>The port is not open.</translation>
    </message>
    <message>
        <source>送信する値に改行文字が含まれています。</source>
        <translation>The value to send contains a line break.</translation>
    </message>
    <message>
        <source>指示計からの応答が長すぎます（%1 文字を超えました）。</source>
        <translation>The indicator&apos;s reply is too long (more than %1 characters).</translation>
    </message>
    <message>
        <source>通信ＯＫ</source>
        <translation>Communication OK</translation>
    </message>
    <message>
        <source>銘柄 %1</source>
        <translation>Product %1</translation>
    </message>
    <message>
        <source>銘柄 %1 (%2)</source>
        <translation>Product %1 (%2)</translation>
    </message>
    <message>
        <source>銘柄 %1 %2</source>
        <translation>Product %1 %2</translation>
    </message>
    <message>
        <source> ほか %1 件</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>次の値を正しく読めませんでした: </source>
        <translation>These values could not be read correctly: </translation>
    </message>
    <message>
        <source>総重量</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>正味重量</source>
        <translation>Net weight</translation>
    </message>
    <message>
        <source>風袋</source>
        <translation>Tare</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ1</source>
        <translation>Status 1</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ2</source>
        <translation>Status 2</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ3</source>
        <translation>Status 3</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ4</source>
        <translation>Status 4</translation>
    </message>
    <message>
        <source>累積回数</source>
        <translation>Total count</translation>
    </message>
    <message>
        <source>累積値</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>累積ﾃﾞｰﾀ</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>計量ﾃﾞｰﾀ</source>
        <translation>Weighing data</translation>
    </message>
    <message>
        <source>ｾﾞﾛ校正</source>
        <translation>Zero calibration</translation>
    </message>
    <message>
        <source>ｽﾊﾟﾝ校正</source>
        <translation>Span calibration</translation>
    </message>
    <message>
        <source>表示・総重量</source>
        <translation>Show gross</translation>
    </message>
    <message>
        <source>表示・正味重量</source>
        <translation>Show net weight</translation>
    </message>
    <message>
        <source>風袋引き</source>
        <translation>Tare</translation>
    </message>
    <message>
        <source>風袋引きﾘｾｯﾄ</source>
        <translation>Tare reset</translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙｾﾞﾛ</source>
        <translation>Digital zero</translation>
    </message>
    <message>
        <source>ﾃﾞｼﾞﾀﾙｾﾞﾛﾘｾｯﾄ</source>
        <translation>Digital zero reset</translation>
    </message>
    <message>
        <source>積算指令</source>
        <translation>Add up</translation>
    </message>
    <message>
        <source>累積ｸﾘﾔ</source>
        <translation>Clear totals</translation>
    </message>
    <message>
        <source>累積ｵｰﾙｸﾘﾔ</source>
        <translation>Clear all totals</translation>
    </message>
    <message>
        <source>詳細</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>１銘柄読みだし</source>
        <translation>Read one product</translation>
    </message>
    <message>
        <source>全銘柄読みだし</source>
        <translation>Read all products</translation>
    </message>
    <message>
        <source>１銘柄書き込み</source>
        <translation>Write one product</translation>
    </message>
    <message>
        <source>全銘柄書き込み</source>
        <translation>Write all products</translation>
    </message>
    <message>
        <source>表示ﾃﾞｰﾀ書き込み</source>
        <translation>Write shown data</translation>
    </message>
    <message>
        <source>全銘柄表示ﾃﾞｰﾀ書き込み</source>
        <translation>Write shown data to all products</translation>
    </message>
    <message>
        <source>一括読みだし</source>
        <translation>Read all</translation>
    </message>
    <message>
        <source>一括書き込み</source>
        <translation>Write all</translation>
    </message>
    <message>
        <source>設定値読み出し</source>
        <translation>Read settings</translation>
    </message>
    <message>
        <source>設定値書き込み</source>
        <translation>Write settings</translation>
    </message>
    <message>
        <source>指示計と比較</source>
        <translation>Compare with indicator</translation>
    </message>
    <message>
        <source>書き込み前</source>
        <translation>Before write</translation>
    </message>
    <message>
        <source>照合 OK</source>
        <translation>Verify OK</translation>
    </message>
    <message>
        <source>照合：%1 件が一致しません</source>
        <translation>Verify: %1 values differ</translation>
    </message>
    <message>
        <source>照合：%1 件を正しく読めませんでした</source>
        <translation>Verify: %1 values not read correctly</translation>
    </message>
    <message>
        <source>照合：タイムアウトのため確認できませんでした</source>
        <translation>Verify: not checked (time-out)</translation>
    </message>
    <message>
        <source>指示計の銘柄を %1 に戻しました</source>
        <translation>Indicator set back to product %1</translation>
    </message>
    <message>
        <source>Ctrl+C で中断</source>
        <translation>Stopped with Ctrl+C</translation>
    </message>
    <message>
        <source>Ctrl+C で中断 (最後: W%1 %2)</source>
        <translation>Stopped with Ctrl+C (last: W%1 %2)</translation>
    </message>
    <message>
        <source>Ctrl+C で中断 (最後: 銘柄 %1 W%2 %3)</source>
        <translation>Stopped with Ctrl+C (last: product %1 W%2 %3)</translation>
    </message>
    <message>
        <source>（なし）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>校正・検査</source>
        <translation>Calibration and test</translation>
    </message>
    <message>
        <source>調整前 %1、調整後 %2</source>
        <translation>as found %1, as left %2</translation>
    </message>
    <message>
        <source>変更分のみ書き込み</source>
        <translation>Write changed values only</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>model</name>
    <message>
        <source>無効なﾃﾞｰﾀ</source>
        <translation>Invalid data</translation>
    </message>
    <message>
        <source>総重量</source>
        <translation>Gross</translation>
    </message>
    <message>
        <source>正味</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>比較OFF</source>
        <translation>Cmp. OFF</translation>
    </message>
    <message>
        <source>計量中</source>
        <translation>Weighing</translation>
    </message>
    <message>
        <source>ZERO校正中</source>
        <translation>ZERO cal.</translation>
    </message>
    <message>
        <source>SPAN校正中</source>
        <translation>SPAN cal.</translation>
    </message>
    <message>
        <source>重量値ﾎｰﾙﾄﾞ</source>
        <translation>Weight hold</translation>
    </message>
    <message>
        <source>重量値ｾﾞﾛ異常</source>
        <translation>Weight zero error</translation>
    </message>
    <message>
        <source>重量値安定</source>
        <translation>Weight stable</translation>
    </message>
    <message>
        <source>風袋引き中</source>
        <translation>Tare in use</translation>
    </message>
    <message>
        <source>重量表示</source>
        <translation>Weight display</translation>
    </message>
    <message>
        <source>背面端子LOCK</source>
        <translation>Rear terminal LOCK</translation>
    </message>
    <message>
        <source>LOCK(soft)</source>
        <translation>LOCK(soft)</translation>
    </message>
    <message>
        <source>大投入出力信号</source>
        <translation>Coarse feed signal</translation>
    </message>
    <message>
        <source>中投入出力信号</source>
        <translation>Medium feed signal</translation>
    </message>
    <message>
        <source>小投入出力信号</source>
        <translation>Fine feed signal</translation>
    </message>
    <message>
        <source>不足出力信号</source>
        <translation>Under signal</translation>
    </message>
    <message>
        <source>正量出力信号</source>
        <translation>OK signal</translation>
    </message>
    <message>
        <source>過量出力信号</source>
        <translation>Over signal</translation>
    </message>
    <message>
        <source>完了出力信号</source>
        <translation>Complete signal</translation>
    </message>
    <message>
        <source>ｾﾞﾛ付近出力信号</source>
        <translation>Near-zero signal</translation>
    </message>
    <message>
        <source>下限出力信号</source>
        <translation>Lower limit signal</translation>
    </message>
    <message>
        <source>上限出力信号</source>
        <translation>Upper limit signal</translation>
    </message>
    <message>
        <source>排出出力信号</source>
        <translation>Discharge signal</translation>
    </message>
    <message>
        <source>未定義</source>
        <translation>Undefined</translation>
    </message>
    <message>
        <source>重量異常出力信号</source>
        <translation>Weight error signal</translation>
    </message>
    <message>
        <source>ｴﾗｰ出力信号</source>
        <translation>Error signal</translation>
    </message>
    <message>
        <source>動作ﾓｰﾄﾞ</source>
        <translation>Operating mode</translation>
    </message>
    <message>
        <source>重量値ｵｰﾊﾞｰﾌﾛｰ</source>
        <translation>Weight overflow</translation>
    </message>
    <message>
        <source>校正ｴﾗｰ</source>
        <translation>Calibration error</translation>
    </message>
    <message>
        <source>ｼｰｹﾝｽｴﾗｰ</source>
        <translation>Sequence error</translation>
    </message>
    <message>
        <source>（該当なし %1）</source>
        <translation>(not listed: %1)</translation>
    </message>
    <message>
        <source>入力された値は無効な値です。00000 から %1 までの 5 桁の数値を入力して下さい。</source>
        <translation>The value entered is invalid. Enter a 5-digit number from 00000 to %1.</translation>
    </message>
    <message>
        <source>入力された値は無効な値です。00001 から 00016 までの 5 桁の数値を入力して下さい。</source>
        <translation>The value entered is invalid. Enter a 5-digit number from 00001 to 00016.</translation>
    </message>
    <message>
        <source>処理完了。 100 銘柄同じ設定にしました。</source>
        <translation>Done. All 100 products now have the same values.</translation>
    </message>
    <message>
        <source>無効な入力があるため設定できません。</source>
        <translation>The values cannot be copied because an entry is invalid.</translation>
    </message>
</context>
<context>
    <name>monitor</name>
    <message>
        <source>計量器一覧</source>
        <translation>Indicators</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>計量回数</source>
        <translation>Fills</translation>
    </message>
    <message>
        <source>平均</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>標準偏差</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>設定変更あり</source>
        <translation>Settings changed</translation>
    </message>
    <message>
        <source>計量器一覧へのログイン</source>
        <translation>Log in to the indicators</translation>
    </message>
    <message>
        <source>パスワード</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>ログイン</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>パスワードが違います。</source>
        <translation>The password is wrong.</translation>
    </message>
    <message>
        <source>ログインの失敗が続いたため受け付けません。しばらく待ってからやり直してください。</source>
        <translation>Too many failed logins. Wait a while and try again.</translation>
    </message>
    <message>
        <source>不足</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>正量</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>過量</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>－</source>
        <translation>-</translation>
    </message>
    <message>
        <source>落差の実測平均 %1 ／ 設定 不明：銘柄を読み込むと設定と比べます</source>
        <translation>Measured mean free fall %1 / set: unknown: read the product to compare</translation>
    </message>
    <message>
        <source>落差の実測平均 %1 ／ 設定 %2</source>
        <translation>Measured mean free fall %1 / set %2</translation>
    </message>
    <message>
        <source>：設定どおりです</source>
        <translation>: as set</translation>
    </message>
    <message>
        <source>：計量値が定量より%1なります。落差を %2 にすると定量に近づきます</source>
        <translation>: fills come out %1 than the target. A free fall of %2 brings them closer</translation>
    </message>
    <message>
        <source>重く</source>
        <translation>heavier</translation>
    </message>
    <message>
        <source>軽く</source>
        <translation>lighter</translation>
    </message>
    <message>
        <source>停止中</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>監視中</source>
        <translation>Watching</translation>
    </message>
    <message>
        <source>応答なし</source>
        <translation>No reply</translation>
    </message>
    <message>
        <source>接続が切れました</source>
        <translation>Connection lost</translation>
    </message>
    <message>
        <source>他の操作の実行中は開始できません</source>
        <translation>Cannot start while another operation runs</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>「%1」に保存できません（%2）。</source>
        <translation>Cannot save to &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>重量値が安定しないため読み取りません。荷重が落ち着いてから読み取ってください。</source>
        <translation>The weight is not stable, so it is not read. Read again once the load has settled.</translation>
    </message>
    <message>
        <source>指示計の応答「%1」は重量値ではありません。</source>
        <translation>The indicator&apos;s answer &quot;%1&quot; is not a weight.</translation>
    </message>
    <message>
        <source>指示計が校正ｴﾗｰを示しました。荷重と分銅重量値を確かめてください。</source>
        <translation>The indicator shows a calibration error. Check the load and the span weight setting.</translation>
    </message>
    <message>
        <source>校正が %1 秒以内に終わりませんでした。</source>
        <translation>The calibration did not end within %1 s.</translation>
    </message>
    <message>
        <source>指示計が応答しません。</source>
        <translation>The indicator does not answer.</translation>
    </message>
    <message>
        <source>投入</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>計量回数/時</source>
        <translation>Fills per hour</translation>
    </message>
    <message>
        <source>最終バックアップ</source>
        <translation>Last backup</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>ログアウト</source>
        <translation>Log out</translation>
    </message>
</context>
<context>
    <name>page</name>
    <message>
        <source>一覧へ戻る</source>
        <translation>Back to the overview</translation>
    </message>
    <message>
        <source>重量の推移</source>
        <translation>Weight over time</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>大投入</source>
        <translation>Coarse feed</translation>
    </message>
    <message>
        <source>中投入</source>
        <translation>Medium feed</translation>
    </message>
    <message>
        <source>小投入</source>
        <translation>Fine feed</translation>
    </message>
    <message>
        <source>排出</source>
        <translation>Discharge</translation>
    </message>
    <message>
        <source>定量</source>
        <translation>Target weight</translation>
    </message>
    <message>
        <source>定量前</source>
        <translation>Preliminary</translation>
    </message>
    <message>
        <source>過量</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>不足</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>銘柄 %1</source>
        <translation>Product %1</translation>
    </message>
    <message>
        <source>この銘柄の設定値は履歴にありません</source>
        <translation>The history holds no settings of this product</translation>
    </message>
    <message>
        <source>グラフを表示できません（グラフの部品がありません）</source>
        <translation>The chart cannot be shown (the chart library is not installed)</translation>
    </message>
    <message>
        <source>計量結果</source>
        <translation>Fills</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>計量値</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Judgement</translation>
    </message>
    <message>
        <source>落差（実測）</source>
        <translation>Free fall (measured)</translation>
    </message>
    <message>
        <source>計量はまだありません</source>
        <translation>No fills yet</translation>
    </message>
    <message>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>前回との違い</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>この指示計の履歴はまだありません</source>
        <translation>The history holds nothing of this indicator yet</translation>
    </message>
    <message>
        <source>前回（%1）からの変更</source>
        <translation>Changes since the previous snapshot (%1)</translation>
    </message>
    <message>
        <source>最初の記録です</source>
        <translation>The first snapshot</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>ダウンロード</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>設定値一覧表（PDF）</source>
        <translation>Settings sheet (PDF)</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀﾌｧｲﾙ</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>この指示計の設定値はまだ読み込まれていません</source>
        <translation>The settings of this indicator have not been read yet</translation>
    </message>
    <message>
        <source>その指示計はありません</source>
        <translation>No such indicator</translation>
    </message>
    <message>
        <source>（未完了）</source>
        <translation> (incomplete)</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>ポートは既に開いています。</source>
        <translation>The port is already open.</translation>
    </message>
    <message>
        <source>ポート番号が無効です。</source>
        <translation>The port number is invalid.</translation>
    </message>
    <message>
        <source>通信設定 &quot;%1&quot; は無効です。</source>
        <translation>The line settings &quot;%1&quot; are invalid.</translation>
    </message>
    <message>
        <source>ポートが開いていません。</source>
        <translation>The port is not open.</translation>
    </message>
    <message>
        <source>送信できません（%1）。</source>
        <translation>Cannot send (%1).</translation>
    </message>
    <message>
        <source>%1 との接続が切れました（%2）。</source>
        <translation>The connection to %1 was lost (%2).</translation>
    </message>
    <message>
        <source>%1 を開けません（%2）。</source>
        <translation>Cannot open %1 (%2).</translation>
    </message>
    <message>
        <source>%1 に接続できません（%2）。</source>
        <translation>Cannot connect to %1 (%2).</translation>
    </message>
    <message>
        <source>%1 ミリ秒以内に応答がありません</source>
        <translation>no answer within %1 ms</translation>
    </message>
    <message>
        <source>%1 は TCP の接続先として無効です（tcp://ホスト:ポート と書いて下さい）。</source>
        <translation>%1 is not a valid TCP address (write tcp://host:port).</translation>
    </message>
    <message>
        <source>ポートが通信設定 &quot;%1&quot; を受け付けません（%2）。</source>
        <translation>The port does not take the line settings &quot;%1&quot; (%2).</translation>
    </message>
    <message>
        <source>%1 は他のプログラムが使用中です。</source>
        <translation>%1 is in use by another program.</translation>
    </message>
    <message>
        <source>%1 を開く権限がありません。このユーザーをデバイスの所有グループ（Debian では dialout）に加えて、ログインし直して下さい。</source>
        <translation>No permission to open %1. Add this user to the device&apos;s group (dialout on Debian) and log in again.</translation>
    </message>
    <message>
        <source>%1 は見つかりません（取り外されたか、名前が変わりました）。</source>
        <translation>%1 was not found (unplugged or renamed).</translation>
    </message>
    <message>
        <source>%1 で応答がありました。</source>
        <translation>%1 answered.</translation>
    </message>
    <message>
        <source>%1 からは応答がありません。</source>
        <translation>No answer from %1.</translation>
    </message>
    <message>
        <source>エラーが発生しました。<byte value="xd"/>
%1ErrNo.=%2</source>
        <translation>An error occurred.<byte value="xd"/>
%1ErrNo.=%2</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
エラー番号が 8018 の場合、ポート番号を変更してみて下さい。</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
For error 8018, try another port number.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
エラー番号が 8002 の場合、ポート番号を変更してみて下さい。</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
For error 8002, try another port number.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
エラー番号が 8005,8002 または 8015 の場合、ポート番号を変更してみて下さい。</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
For error 8005, 8002 or 8015, try another port number.</translation>
    </message>
    <message>
        <source>ファイルが壊れています。</source>
        <translation>The file is damaged.</translation>
    </message>
    <message>
        <source>このファイルまたはフォルダーへのアクセスが許可されていません。</source>
        <translation>Access to this file or folder is not permitted.</translation>
    </message>
    <message>
        <source>読み取り専用のため書き込めません。</source>
        <translation>Cannot write: read-only.</translation>
    </message>
    <message>
        <source>フォルダーまたはファイルが見つかりません。</source>
        <translation>The folder or file was not found.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません。</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>ディスクの読み書きに失敗しました。</source>
        <translation>The disk could not be read or written.</translation>
    </message>
    <message>
        <source>ファイルが他のプログラムで使用中です。</source>
        <translation>The file is in use by another program.</translation>
    </message>
    <message>
        <source>通常のファイルではありません（名前付きパイプや装置など）。</source>
        <translation>Not a regular file (a named pipe, a device or the like).</translation>
    </message>
    <message>
        <source>このファイルは読み取り専用のため上書きできません。</source>
        <translation>The file is read-only and cannot be replaced.</translation>
    </message>
    <message>
        <source>同じ名前のフォルダーがあります。</source>
        <translation>A folder of the same name exists.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 まで）。</source>
        <translation>The file is too large (up to %1).</translation>
    </message>
    <message>
        <source>シンボリックリンクには書き込みません。</source>
        <translation>Symbolic links are not written to.</translation>
    </message>
    <message>
        <source>エラーはありません</source>
        <translation>no error</translation>
    </message>
    <message>
        <source>装置が見つかりません</source>
        <translation>device not found</translation>
    </message>
    <message>
        <source>装置を使う権限がないか、他のプログラムが使用中です</source>
        <translation>no permission to use the device, or another program uses it</translation>
    </message>
    <message>
        <source>装置は既に開かれています</source>
        <translation>device already open</translation>
    </message>
    <message>
        <source>装置へ送信できません</source>
        <translation>cannot send to the device</translation>
    </message>
    <message>
        <source>装置から受信できません</source>
        <translation>cannot receive from the device</translation>
    </message>
    <message>
        <source>装置が応答しないか、取り外されました</source>
        <translation>device not answering or unplugged</translation>
    </message>
    <message>
        <source>装置がこの設定または操作に対応していません</source>
        <translation>the device does not support this setting or operation</translation>
    </message>
    <message>
        <source>装置が時間内に応じません</source>
        <translation>the device did not answer in time</translation>
    </message>
    <message>
        <source>ポートが開いていません</source>
        <translation>port not open</translation>
    </message>
    <message>
        <source>装置の原因不明のエラーです</source>
        <translation>unknown device error</translation>
    </message>
    <message>
        <source>接続を拒否されました</source>
        <translation>connection refused</translation>
    </message>
    <message>
        <source>相手側が接続を閉じました</source>
        <translation>the other side closed the connection</translation>
    </message>
    <message>
        <source>ホストが見つかりません</source>
        <translation>host not found</translation>
    </message>
    <message>
        <source>接続する権限がありません</source>
        <translation>no permission to connect</translation>
    </message>
    <message>
        <source>接続に使う資源が足りません</source>
        <translation>out of connection resources</translation>
    </message>
    <message>
        <source>相手側が時間内に応じません</source>
        <translation>the other side did not answer in time</translation>
    </message>
    <message>
        <source>ネットワークのエラーです（ケーブルや経路を確かめて下さい）</source>
        <translation>network error (check the cable and route)</translation>
    </message>
    <message>
        <source>アドレスは既に使われています</source>
        <translation>address already in use</translation>
    </message>
    <message>
        <source>このアドレスは使えません</source>
        <translation>address not available</translation>
    </message>
    <message>
        <source>この接続には対応していません</source>
        <translation>connection not supported</translation>
    </message>
    <message>
        <source>一時的なエラーです</source>
        <translation>temporary error</translation>
    </message>
    <message>
        <source>通信の原因不明のエラーです</source>
        <translation>unknown communication error</translation>
    </message>
    <message>
        <source>装置を使う権限がありません</source>
        <translation>no permission to use the device</translation>
    </message>
    <message>
        <source>他のプログラムが使用中です</source>
        <translation>in use by another program</translation>
    </message>
</context>
<context>
    <name>report</name>
    <message>
        <source>CSV ファイルではありません（テキストではありません）。</source>
        <translation>Not a CSV file (not text).</translation>
    </message>
    <message>
        <source>文字コードが UTF-8 でも Shift-JIS でもありません。</source>
        <translation>The character encoding is neither UTF-8 nor Shift-JIS.</translation>
    </message>
    <message>
        <source>CSV ファイルではありません（引用符が閉じていません）。</source>
        <translation>Not a CSV file (a quote is not closed).</translation>
    </message>
    <message>
        <source>場所</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>画面の値</source>
        <translation>Window value</translation>
    </message>
    <message>
        <source>比較先の値</source>
        <translation>Other value</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>設定値</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>銘柄番号</source>
        <translation>Product no.</translation>
    </message>
    <message>
        <source>銘柄</source>
        <translation>Products</translation>
    </message>
    <message>
        <source>銘柄を CSV から読み込めませんでした。何も変更していません。
%1</source>
        <translation>The products could not be read from the CSV file. Nothing was changed.
%1</translation>
    </message>
    <message>
        <source>5 桁の数値ではありません</source>
        <translation>not a 5-digit number</translation>
    </message>
    <message>
        <source>00000 から %1 までの数値ではありません</source>
        <translation>not a number from 00000 to %1</translation>
    </message>
    <message>
        <source>ファイルが空です。</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>銘柄の CSV ではありません。1 行目に「銘柄番号」と項目名（%1 など）の見出しが必要です。</source>
        <translation>Not a product CSV file. Line 1 needs the headings &quot;Product no.&quot; and the item names (%1 and so on).</translation>
    </message>
    <message>
        <source>%1 行目「%2」: %3</source>
        <translation>Line %1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 行目: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>見出しは %1 列ですが、この行は %2 列です</source>
        <translation>the headings have %1 columns, this line has %2</translation>
    </message>
    <message>
        <source>0 から %1 までの番号ではありません（%2）</source>
        <translation>not a number from 0 to %1 (%2)</translation>
    </message>
    <message>
        <source>銘柄 %1 は %2 行目にもあります</source>
        <translation>product %1 is also on line %2</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>銘柄の行がありません。</source>
        <translation>There are no product lines.</translation>
    </message>
    <message>
        <source>ファイルを開けません: %1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>銘柄 %1 件を CSV から読み込みました。</source>
        <translation>%1 products were read from the CSV file.</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 インジケーター設定値一覧表</source>
        <translation>%1 indicator settings sheet</translation>
    </message>
    <message>
        <source>機種: %1</source>
        <translation>Model: %1</translation>
    </message>
    <message>
        <source>作成日時: %1</source>
        <translation>Created: %1</translation>
    </message>
    <message>
        <source>装置: %1</source>
        <translation>Device: %1</translation>
    </message>
    <message>
        <source>データの出所: %1</source>
        <translation>Data from: %1</translation>
    </message>
    <message>
        <source>（編集あり）</source>
        <translation> (edited)</translation>
    </message>
    <message>
        <source>プログラム: %1</source>
        <translation>Program: %1</translation>
    </message>
    <message>
        <source>値のない銘柄 %1 は省略しました。</source>
        <translation>Products without values were left out: %1.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 / %2 ページ</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>&#x3000;・%1</source>
        <translation>  - %1</translation>
    </message>
    <message>
        <source>PDF を作成できませんでした。</source>
        <translation>The PDF could not be created.</translation>
    </message>
    <message>
        <source>はかりの試験成績書（校正・検査）</source>
        <translation>Weighing instrument test certificate (calibration and verification)</translation>
    </message>
    <message>
        <source>お客様</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>設置場所</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>指示計 %1&#x3000;製造番号 %2</source>
        <translation>Indicator %1   serial number %2</translation>
    </message>
    <message>
        <source>最大秤量値 Max %1&#x3000;最小目盛 e %2</source>
        <translation>Capacity Max %1   scale interval e %2</translation>
    </message>
    <message>
        <source>精度等級 %1（%2）</source>
        <translation>Accuracy class %1 (%2)</translation>
    </message>
    <message>
        <source>指定の許容誤差 ±%1</source>
        <translation>Agreed maximum permissible error ±%1</translation>
    </message>
    <message>
        <source>検定時の許容誤差</source>
        <translation>MPE at initial verification</translation>
    </message>
    <message>
        <source>使用中の許容誤差（検定時の 2 倍）</source>
        <translation>MPE in service (twice the initial)</translation>
    </message>
    <message>
        <source>試験者</source>
        <translation>Tested by</translation>
    </message>
    <message>
        <source>試験日</source>
        <translation>Test date</translation>
    </message>
    <message>
        <source>使用した基準分銅</source>
        <translation>Reference weights used</translation>
    </message>
    <message>
        <source>公称値</source>
        <translation>Nominal value</translation>
    </message>
    <message>
        <source>証明書番号</source>
        <translation>Certificate number</translation>
    </message>
    <message>
        <source>調整前の試験（受入れ時）</source>
        <translation>Test as found (before adjustment)</translation>
    </message>
    <message>
        <source>調整後の試験（引渡し時）</source>
        <translation>Test as left (after adjustment)</translation>
    </message>
    <message>
        <source>調整: %1</source>
        <translation>Adjustment: %1</translation>
    </message>
    <message>
        <source>調整: なし</source>
        <translation>Adjustment: none</translation>
    </message>
    <message>
        <source>試験点</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>負荷</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>表示値</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>誤差</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>誤差 (e)</source>
        <translation>Error (e)</translation>
    </message>
    <message>
        <source>許容誤差</source>
        <translation>MPE</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>未測定</source>
        <translation>Not read</translation>
    </message>
    <message>
        <source>ゼロ</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>増加</source>
        <translation>Rising</translation>
    </message>
    <message>
        <source>減少</source>
        <translation>Falling</translation>
    </message>
    <message>
        <source>繰返し</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>繰返し性: ばらつき %1 ／ 許容 %2 … %3</source>
        <translation>Repeatability: spread %1 / permitted %2 … %3</translation>
    </message>
    <message>
        <source>総合判定: %1</source>
        <translation>Overall result: %1</translation>
    </message>
    <message>
        <source>未完了</source>
        <translation>Not complete</translation>
    </message>
    <message>
        <source>判定の規則: 誤差 = 表示値 − 負荷。各試験点の誤差の大きさが、その負荷での許容誤差（OIML R 76-1、JIS B 7611-2）以下であれば合格。繰返し性は繰返し読み取りの最大値と最小値の差を、その負荷での許容誤差と比べる。測定の不確かさは判定に含めない。</source>
        <translation>Decision rule: error = reading − load. A test point passes when the size of its error is within the maximum permissible error at that load (OIML R 76-1, JIS B 7611-2). Repeatability compares the difference between the largest and smallest repeated reading with the MPE at that load. Measurement uncertainty is not taken into the decision.</translation>
    </message>
    <message>
        <source>計量に関わる設定値</source>
        <translation>Settings that affect weighing</translation>
    </message>
    <message>
        <source>試験者 署名 ＿＿＿＿＿＿＿＿＿＿&#x3000;&#x3000;確認者 署名 ＿＿＿＿＿＿＿＿＿＿&#x3000;&#x3000;日付 ＿＿＿＿＿＿</source>
        <translation>Tested by (signature) ____________    Checked by (signature) ____________    Date ________</translation>
    </message>
</context>
<context>
    <name>storage</name>
    <message>
        <source>このファイルはデータファイルではありません。</source>
        <translation>This file is not a data file.</translation>
    </message>
    <message>
        <source>ファイルを開けません。</source>
        <translation>Cannot open the file.</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。
%1</source>
        <translation>Cannot read the file.
%1</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。ファイルが壊れている可能性があります。
%1</source>
        <translation>Cannot read the file. It may be damaged.
%1</translation>
    </message>
    <message>
        <source>このファイルの値が正しくありません（%1）。何も読み込みませんでした。</source>
        <translation>A value in this file is not valid (%1). Nothing was loaded.</translation>
    </message>
    <message>
        <source>このファイルには「%1」の表がありません。</source>
        <translation>This file has no table &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>%1のみ読み込みました。</source>
        <translation> Only %1 were loaded.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>など %1 列</source>
        <translation> and others (%1 columns)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>の列</source>
        <translation> columns</translation>
    </message>
    <message>
        <source>このファイルの「%1」の表には%2がありません。何も読み込みませんでした。</source>
        <translation>The table &quot;%1&quot; of this file lacks %2. Nothing was loaded.</translation>
    </message>
    <message>
        <source>「%1」の銘柄 %2「%3」</source>
        <translation>&quot;%1&quot; product %2 &quot;%3&quot;</translation>
    </message>
    <message>
        <source>「%1」の「%2」</source>
        <translation>&quot;%1&quot; &quot;%2&quot;</translation>
    </message>
    <message>
        <source>このデータは%1用ではありません。</source>
        <translation>These data are not for the %1.</translation>
    </message>
    <message>
        <source>銘柄のみ読み込みました。</source>
        <translation> Only the products were loaded.</translation>
    </message>
    <message>
        <source>設定値</source>
        <translation>the settings</translation>
    </message>
    <message>
        <source>銘柄</source>
        <translation>the products</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした。
%1</source>
        <translation>The file could not be saved.
%1</translation>
    </message>
    <message>
        <source>改行などの制御文字を含む値は保存できません。</source>
        <translation>Values holding control characters such as line breaks cannot be saved.</translation>
    </message>
    <message>
        <source>半角英数字・記号以外の文字（全角文字など）を含む値は保存できません。</source>
        <translation>Values holding characters other than ASCII letters, digits and symbols cannot be saved.</translation>
    </message>
    <message>
        <source>5文字を超える値は保存できません。</source>
        <translation>Values longer than 5 characters cannot be saved.</translation>
    </message>
    <message>
        <source>次の値は空欄で保存しました。
</source>
        <translation> These values were saved empty:
</translation>
    </message>
    <message>
        <source> ほか %1 件</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>銘柄 %1「%2」</source>
        <translation>product %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Access 形式のファイルとして読み込めません。</source>
        <translation>Cannot read the file as an Access file.</translation>
    </message>
    <message>
        <source>Access 形式のファイルとして読み込めません（ファイルが壊れています）。</source>
        <translation>Cannot read the file as an Access file (it is damaged).</translation>
    </message>
    <message>
        <source>Access 形式のファイルを読むプログラム（%1）を起動できません。</source>
        <translation>Cannot start the program that reads Access files (%1).</translation>
    </message>
    <message>
        <source>SQLite のドライバー（QSQLITE）が見つかりません。</source>
        <translation>The SQLite driver (QSQLITE) is missing.</translation>
    </message>
</context>
<context>
    <name>transfer</name>
    <message>
        <source>設定値 読み込み中</source>
        <translation>Reading settings…</translation>
    </message>
    <message>
        <source>設定値 読み込み完了</source>
        <translation>Settings read done</translation>
    </message>
    <message>
        <source>設定値 読み込み未完了</source>
        <translation>Settings read incomplete</translation>
    </message>
    <message>
        <source>設定値 読み込み中断</source>
        <translation>Settings read stopped</translation>
    </message>
    <message>
        <source>設定値 %1 送信中</source>
        <translation>Sending settings %1…</translation>
    </message>
    <message>
        <source>設定値送信完了</source>
        <translation>Settings send done</translation>
    </message>
    <message>
        <source>設定値送信未完了</source>
        <translation>Settings send incomplete</translation>
    </message>
    <message>
        <source>設定値送信中断</source>
        <translation>Settings send stopped</translation>
    </message>
    <message>
        <source>銘柄 %1 読み込み中</source>
        <translation>Reading product %1…</translation>
    </message>
    <message>
        <source>銘柄読み込み完了</source>
        <translation>Product read done</translation>
    </message>
    <message>
        <source>銘柄読み込み未完了</source>
        <translation>Product read incomplete</translation>
    </message>
    <message>
        <source>銘柄読み込み中断</source>
        <translation>Product read stopped</translation>
    </message>
    <message>
        <source>銘柄 %1 送信中</source>
        <translation>Sending product %1…</translation>
    </message>
    <message>
        <source>銘柄送信完了</source>
        <translation>Product send done</translation>
    </message>
    <message>
        <source>銘柄送信中断</source>
        <translation>Product send stopped</translation>
    </message>
    <message>
        <source>銘柄 %1 書き込み中</source>
        <translation>Writing product %1…</translation>
    </message>
    <message>
        <source>銘柄書き込み完了</source>
        <translation>Product write done</translation>
    </message>
    <message>
        <source>銘柄書き込み中断</source>
        <translation>Product write stopped</translation>
    </message>
    <message>
        <source>銘柄データが無効です</source>
        <translation>Product data invalid</translation>
    </message>
    <message>
        <source>無効なデータがあるため転送できません</source>
        <translation>Cannot transfer: some data are invalid</translation>
    </message>
    <message>
        <source>無効なデータがあるため転送できません。</source>
        <translation>The data cannot be transferred because some values are invalid.</translation>
    </message>
    <message>
        <source>指示計の応答に銘柄番号がありません。<byte value="xd"/>
応答：%1<byte value="xd"/>
</source>
        <translation>The indicator&apos;s reply holds no product number.<byte value="xd"/>
Reply: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>銘柄番号 %1 は範囲外です。</source>
        <translation>Product number %1 is out of range.</translation>
    </message>
    <message>
        <source>変更分 送信中</source>
        <translation>Sending changed values</translation>
    </message>
    <message>
        <source>変更分 %1 件 送信完了</source>
        <translation>%1 changed values sent</translation>
    </message>
    <message>
        <source>変更分 送信：指示計の確認なし</source>
        <translation>Changed values sent: not confirmed by the indicator</translation>
    </message>
    <message>
        <source>変更分 送信中断</source>
        <translation>Sending changed values stopped</translation>
    </message>
    <message>
        <source>指示計の値と異なる値はありません</source>
        <translation>No value differs from the indicator&apos;s</translation>
    </message>
</context>
<context>
    <name>window</name>
    <message>
        <source>画面の値</source>
        <translation>Window value</translation>
    </message>
    <message>
        <source>比較先の値</source>
        <translation>Other value</translation>
    </message>
    <message>
        <source>比較結果</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>選択した値を取り込む</source>
        <translation>Take the selected values</translation>
    </message>
    <message>
        <source>CSVで保存…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>CSVで保存</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>CSV ﾌｧｲﾙ (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>場所</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>CSVファイルを保存できませんでした。
</source>
        <translation>The CSV file could not be saved.
</translation>
    </message>
    <message>
        <source>すべての装置</source>
        <translation>All devices</translation>
    </message>
    <message>
        <source>（</source>
        <translation> (</translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>完了</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>書き込み</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>銘柄 %1 %2</source>
        <translation>Product %1 %2</translation>
    </message>
    <message>
        <source>履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>装置:</source>
        <translation>Device:</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>装置</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>機種</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>読み書き</source>
        <translation>Read/write</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>値の数</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>内容を表示</source>
        <translation>Show values</translation>
    </message>
    <message>
        <source>画面と比較</source>
        <translation>Compare with window</translation>
    </message>
    <message>
        <source>画面に読み込む</source>
        <translation>Load into window</translation>
    </message>
    <message>
        <source>データファイルとして保存…</source>
        <translation>Save as data file…</translation>
    </message>
    <message>
        <source>データファイルとして保存</source>
        <translation>Save as data file</translation>
    </message>
    <message>
        <source>データファイル (*.mdb)</source>
        <translation>Data files (*.mdb)</translation>
    </message>
    <message>
        <source>この履歴は見つかりません。</source>
        <translation>This history entry was not found.</translation>
    </message>
    <message>
        <source>履歴の内容</source>
        <translation>History entry</translation>
    </message>
    <message>
        <source>値</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>１&#x3000;銘柄</source>
        <translation>1  Products</translation>
    </message>
    <message>
        <source>２&#x3000;設定値 A</source>
        <translation>2  Settings A</translation>
    </message>
    <message>
        <source>３&#x3000;設定値 B</source>
        <translation>3  Settings B</translation>
    </message>
    <message>
        <source>４&#x3000;設定値 詳細(1)</source>
        <translation>4  Details (1)</translation>
    </message>
    <message>
        <source>５&#x3000;設定値 詳細(2)</source>
        <translation>5  Details (2)</translation>
    </message>
    <message>
        <source>６&#x3000;設定値 詳細(3)</source>
        <translation>6  Details (3)</translation>
    </message>
    <message>
        <source>７&#x3000;設定値 詳細(4)</source>
        <translation>7  Details (4)</translation>
    </message>
    <message>
        <source>８&#x3000;ｺﾏﾝﾄﾞ</source>
        <translation>8  Commands</translation>
    </message>
    <message>
        <source>９&#x3000;ｽﾃｰﾀｽ</source>
        <translation>9  Status</translation>
    </message>
    <message>
        <source>１０&#x3000;機種・通信設定</source>
        <translation>10  Model, ports</translation>
    </message>
    <message>
        <source>モニター実行中のため実行できません</source>
        <translation>Not while the monitor runs</translation>
    </message>
    <message>
        <source>電卓を起動できません。次の電卓のどれも見つかりませんでした:
</source>
        <translation>Cannot start a calculator. None of these was found:
</translation>
    </message>
    <message>
        <source>ロードセルインジケーター設定補助アプリケーション<byte value="xd"/>
Rusk バージョン  Vol.2.0.0</source>
        <translation>Load-cell indicator setting utility<byte value="xd"/>
Rusk version  Vol.2.0.0</translation>
    </message>
    <message>
        <source>ごめんなさい。<byte value="xd"/>
このバージョンのヘルプはまだ出来ていません。今のところ作る予定もありません。</source>
        <translation>Sorry.<byte value="xd"/>
This version has no help yet, and none is planned for now.</translation>
    </message>
    <message>
        <source>infomation  今日も元気ですか。</source>
        <translation>information  Have a good day.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>銘柄読み込み(&amp;M)</source>
        <translation>Load &amp;products</translation>
    </message>
    <message>
        <source>設定値読み込み</source>
        <translation>Load settings</translation>
    </message>
    <message>
        <source>履歴(&amp;Y)…</source>
        <translation>Histor&amp;y…</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙと比較…</source>
        <translation>Compare with file…</translation>
    </message>
    <message>
        <source>印刷(&amp;P)…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>PDF に出力…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>銘柄を CSV に出力…</source>
        <translation>Products to CSV…</translation>
    </message>
    <message>
        <source>銘柄を CSV から読み込み…</source>
        <translation>Products from CSV…</translation>
    </message>
    <message>
        <source>設定値を CSV に出力…</source>
        <translation>Settings to CSV…</translation>
    </message>
    <message>
        <source>電卓(&amp;C)</source>
        <translation>&amp;Calculator</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀｸﾘﾔ(&amp;C)</source>
        <translation>&amp;Clear data</translation>
    </message>
    <message>
        <source>再描画(&amp;R)</source>
        <translation>&amp;Redraw</translation>
    </message>
    <message>
        <source>全銘柄へ設定(&amp;S)</source>
        <translation>Copy to all product&amp;s</translation>
    </message>
    <message>
        <source>ｲﾝｼﾞｹｰﾀｰ操作(&amp;S)</source>
        <translation>&amp;Indicator</translation>
    </message>
    <message>
        <source>銘柄変更(&amp;M)</source>
        <translation>Change &amp;product</translation>
    </message>
    <message>
        <source>１銘柄読みだし(&amp;R)</source>
        <translation>&amp;Read one product</translation>
    </message>
    <message>
        <source>全銘柄読みだし(&amp;Z)</source>
        <translation>Read all products (&amp;Z)</translation>
    </message>
    <message>
        <source>設定値読み出し(&amp;S)</source>
        <translation>Read &amp;settings</translation>
    </message>
    <message>
        <source>一括読みだし(&amp;A)</source>
        <translation>Read &amp;all</translation>
    </message>
    <message>
        <source>１銘柄書き込み(&amp;K)</source>
        <translation>Write one product (&amp;K)</translation>
    </message>
    <message>
        <source>全銘柄書き込み(&amp;J)</source>
        <translation>Write all products (&amp;J)</translation>
    </message>
    <message>
        <source>設定値書き込み(&amp;H)</source>
        <translation>Write settings (&amp;H)</translation>
    </message>
    <message>
        <source>一括書き込み(&amp;P)</source>
        <translation>Write all (&amp;P)</translation>
    </message>
    <message>
        <source>表示ﾃﾞｰﾀ書き込み(&amp;T)</source>
        <translation>Write shown data (&amp;T)</translation>
    </message>
    <message>
        <source>全銘柄表示ﾃﾞｰﾀ書き込み(&amp;F)</source>
        <translation>Write shown data to all (&amp;F)</translation>
    </message>
    <message>
        <source>指示計と比較(&amp;D)</source>
        <translation>Compare with indicator (&amp;D)</translation>
    </message>
    <message>
        <source>書き込み後に照合(&amp;V)</source>
        <translation>&amp;Verify after writing</translation>
    </message>
    <message>
        <source>書き込み前に指示計の値を保存</source>
        <translation>Keep the indicator&apos;s values before writing</translation>
    </message>
    <message>
        <source>ﾓﾆﾀｰ(&amp;L)…</source>
        <translation>&amp;Live monitor…</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ(&amp;V)</source>
        <translation>&amp;Version</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>データクリヤ</source>
        <translation>Clear data</translation>
    </message>
    <message>
        <source>一括読み込み</source>
        <translation>Read all</translation>
    </message>
    <message>
        <source>一括書き込み</source>
        <translation>Write all</translation>
    </message>
    <message>
        <source>再描画</source>
        <translation>Redraw</translation>
    </message>
    <message>
        <source>応答あり</source>
        <translation>Answered</translation>
    </message>
    <message>
        <source>応答なし</source>
        <translation>No answer</translation>
    </message>
    <message>
        <source>使用中</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>権限なし</source>
        <translation>No permission</translation>
    </message>
    <message>
        <source>見つかりません</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>開けません</source>
        <translation>Cannot open</translation>
    </message>
    <message>
        <source>%1 は見つかりません（一覧を表示した後で取り外されました）。</source>
        <translation>%1 was not found (unplugged after the list was shown).</translation>
    </message>
    <message>
        <source>Com%1 を %2 に割り当てました。「設定」で開き直して下さい。</source>
        <translation>Com%1 now names %2. Press &quot;Apply&quot; to open it again.</translation>
    </message>
    <message>
        <source>ポート検出中</source>
        <translation>Searching ports</translation>
    </message>
    <message>
        <source>クリックで Com%1 に割り当てます</source>
        <translation>Click to assign to Com%1</translation>
    </message>
    <message>
        <source>検出: %1 台が応答しました（クリックで割り当て）</source>
        <translation>Search: %1 devices answered (click to assign)</translation>
    </message>
    <message>
        <source>検出: 応答する装置はありません</source>
        <translation>Search: no device answered</translation>
    </message>
    <message>
        <source>（見つかりません）</source>
        <translation> (not found)</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
設定ファイル: </source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Configuration file: </translation>
    </message>
    <message>
        <source>CSV ﾌｧｲﾙ (*.csv);;すべてのﾌｧｲﾙ (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>PDF ﾌｧｲﾙ (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>PDF を保存できませんでした。
</source>
        <translation>The PDF could not be saved.
</translation>
    </message>
    <message>
        <source>PDF に出力しました: </source>
        <translation>Saved as PDF: </translation>
    </message>
    <message>
        <source>銘柄の CSV を保存できませんでした。
</source>
        <translation>The product CSV could not be saved.
</translation>
    </message>
    <message>
        <source>銘柄を CSV に出力しました: </source>
        <translation>Products saved as CSV: </translation>
    </message>
    <message>
        <source>設定値の CSV を保存できませんでした。
</source>
        <translation>The settings CSV could not be saved.
</translation>
    </message>
    <message>
        <source>設定値を CSV に出力しました: </source>
        <translation>Settings saved as CSV: </translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>前のタブへ戻る</source>
        <translation>Back to last tab</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀ読み出し</source>
        <translation>Data reads</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞ</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>項目 %1 の一覧にフォーカスを移せません。</source>
        <translation>Cannot move the focus to the list of item %1.</translation>
    </message>
    <message>
        <source>設定値</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>設定値読みだし</source>
        <translation>Read settings</translation>
    </message>
    <message>
        <source>設定値書き込み</source>
        <translation>Write settings</translation>
    </message>
    <message>
        <source>通信設定</source>
        <translation>Line settings</translation>
    </message>
    <message>
        <source>ｾｯﾃｨﾝｸﾞ</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>ﾎﾟｰﾄ番号</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>ﾎﾞｰﾚｰﾄ</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>ﾊﾟﾘﾃｨ</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀﾋﾞｯﾄ</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>ｽﾄｯﾌﾟﾋﾞｯﾄ</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>ﾀｰﾐﾈｰﾀ</source>
        <translation>Terminator</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽを選んで割り当て</source>
        <translation>Choose a device to assign</translation>
    </message>
    <message>
        <source>検出</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>空いている全ポートに RA を送り、応答した装置を一覧します</source>
        <translation>Sends RA to every free port and lists the devices that answer</translation>
    </message>
    <message>
        <source>応答した装置をクリックすると割り当てます</source>
        <translation>Click a device that answered to assign it</translation>
    </message>
    <message>
        <source>ﾃｽﾄ通信</source>
        <translation>Link test</translation>
    </message>
    <message>
        <source>ﾃｽﾄ</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>ｾｯﾃｨﾝｸﾞを変更した場合</source>
        <translation>After changing the settings</translation>
    </message>
    <message>
        <source>ﾃｽﾄ通信を行って下さい</source>
        <translation>run a link test</translation>
    </message>
    <message>
        <source>編集ﾃﾞｰﾀ</source>
        <translation>Edited data</translation>
    </message>
    <message>
        <source>割付を利用する</source>
        <translation>Use port assignment</translation>
    </message>
    <message>
        <source>銘柄</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>F805 銘柄変更</source>
        <translation>F805 Change product</translation>
    </message>
    <message>
        <source>全銘柄へ設定</source>
        <translation>Copy to all</translation>
    </message>
    <message>
        <source>F805 読み書き</source>
        <translation>F805 Read/write</translation>
    </message>
    <message>
        <source>読み出し</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>１銘柄読みだし</source>
        <translation>Read one product</translation>
    </message>
    <message>
        <source>全銘柄読みだし</source>
        <translation>Read all products</translation>
    </message>
    <message>
        <source>１銘柄書き込み(ﾒﾓﾘｰ)</source>
        <translation>Write one product (memory)</translation>
    </message>
    <message>
        <source>全銘柄書き込み(ﾒﾓﾘｰ)</source>
        <translation>Write all products (memory)</translation>
    </message>
    <message>
        <source>ﾗﾝﾀﾞﾑ書き込み</source>
        <translation>Write to a chosen product</translation>
    </message>
    <message>
        <source>ｲﾝｼﾞｹｰﾀｰ側銘柄指定</source>
        <translation>Indicator product</translation>
    </message>
    <message>
        <source>表示ﾃﾞｰﾀ書き込み</source>
        <translation>Write shown data</translation>
    </message>
    <message>
        <source>全銘柄表示ﾃﾞｰﾀ書き込み</source>
        <translation>Write shown data to all</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀｸﾘﾔ</source>
        <translation>Clear data</translation>
    </message>
    <message>
        <source>F805一括読みだし</source>
        <translation>F805 Read all</translation>
    </message>
    <message>
        <source>F805一括書き込み</source>
        <translation>F805 Write all</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ%1</source>
        <translation>Status %1</translation>
    </message>
    <message>
        <source>書き込み後の照合: 指示計が受け付けなかった値</source>
        <translation>Verify after writing: values the indicator did not take</translation>
    </message>
    <message>
        <source>書き込んだ値</source>
        <translation>Value written</translation>
    </message>
    <message>
        <source>指示計の値</source>
        <translation>Indicator value</translation>
    </message>
    <message>
        <source>大投入</source>
        <translation>Coarse feed</translation>
    </message>
    <message>
        <source>中投入</source>
        <translation>Medium feed</translation>
    </message>
    <message>
        <source>小投入</source>
        <translation>Fine feed</translation>
    </message>
    <message>
        <source>排出</source>
        <translation>Discharge</translation>
    </message>
    <message>
        <source>定量</source>
        <translation>Target</translation>
    </message>
    <message>
        <source>定量前</source>
        <translation>Preliminary</translation>
    </message>
    <message>
        <source>過量</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>不足</source>
        <translation>Under</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>10 秒</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>1 分</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>10 分</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>1 時間</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>ﾓﾆﾀｰ</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>制限なし</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source> 回/秒</source>
        <translation> /s</translation>
    </message>
    <message>
        <source>表示停止</source>
        <translation>Freeze</translation>
    </message>
    <message>
        <source>CSV保存…</source>
        <translation>Save CSV…</translation>
    </message>
    <message>
        <source>統計ｸﾘﾔ</source>
        <translation>Clear statistics</translation>
    </message>
    <message>
        <source>－</source>
        <translation>-</translation>
    </message>
    <message>
        <source>表示幅</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>読み取り</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>時刻</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>計量値</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Judgement</translation>
    </message>
    <message>
        <source>小投入停止時</source>
        <translation>At fine feed stop</translation>
    </message>
    <message>
        <source>落差実測</source>
        <translation>Free fall measured</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>銘柄 %1</source>
        <translation>Product %1</translation>
    </message>
    <message>
        <source>回数 0</source>
        <translation>Count 0</translation>
    </message>
    <message>
        <source>回数 %1&#x3000;平均 %2&#x3000;標準偏差 %3&#x3000;最小 %4&#x3000;最大 %5&#x3000;不足 %6&#x3000;過量 %7</source>
        <translation>Count %1  mean %2  SD %3  min %4  max %5  under %6  over %7</translation>
    </message>
    <message>
        <source>Access ﾌｧｲﾙ (*.mdb)</source>
        <translation>Access files (*.mdb)</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>設定</source>
        <comment>detail frame</comment>
        <translation>Settings</translation>
    </message>
    <message>
        <source>表示言語(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>校正・検査(&amp;C)…</source>
        <translation>&amp;Calibration and test…</translation>
    </message>
    <message>
        <source>ゼロ</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>増加</source>
        <translation>Rising</translation>
    </message>
    <message>
        <source>減少</source>
        <translation>Falling</translation>
    </message>
    <message>
        <source>繰返し</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>校正・検査</source>
        <translation>Calibration and test</translation>
    </message>
    <message>
        <source>試験の概要</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>お客様</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>設置場所</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>製造番号</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>試験者</source>
        <translation>Tested by</translation>
    </message>
    <message>
        <source>試験日</source>
        <translation>Test date</translation>
    </message>
    <message>
        <source>指示計から読む(&amp;I)</source>
        <translation>Read from the &amp;indicator</translation>
    </message>
    <message>
        <source>最大秤量値・最小目盛</source>
        <translation>Capacity and scale interval</translation>
    </message>
    <message>
        <source>指定の許容誤差</source>
        <translation>Agreed MPE</translation>
    </message>
    <message>
        <source> × 0.5 e</source>
        <translation> × 0.5 e</translation>
    </message>
    <message>
        <source>検定時</source>
        <translation>Initial verification</translation>
    </message>
    <message>
        <source>使用中（2 倍）</source>
        <translation>In service (doubled)</translation>
    </message>
    <message>
        <source>精度等級</source>
        <translation>Accuracy class</translation>
    </message>
    <message>
        <source>使用した基準分銅</source>
        <translation>Reference weights used</translation>
    </message>
    <message>
        <source>公称値</source>
        <translation>Nominal value</translation>
    </message>
    <message>
        <source>証明書番号</source>
        <translation>Certificate number</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>調整前（受入れ）(&amp;F)</source>
        <translation>As &amp;found</translation>
    </message>
    <message>
        <source>調整後（引渡し）(&amp;L)</source>
        <translation>As &amp;left</translation>
    </message>
    <message>
        <source>標準の試験点(&amp;D)</source>
        <translation>&amp;Default test points</translation>
    </message>
    <message>
        <source>試験点</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>負荷</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>調整前</source>
        <translation>As found</translation>
    </message>
    <message>
        <source>判定（調整前）</source>
        <translation>Result (as found)</translation>
    </message>
    <message>
        <source>調整後</source>
        <translation>As left</translation>
    </message>
    <message>
        <source>判定（調整後）</source>
        <translation>Result (as left)</translation>
    </message>
    <message>
        <source>読み取り(&amp;R)</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>ゼロ校正(&amp;Z)</source>
        <translation>&amp;Zero calibration</translation>
    </message>
    <message>
        <source>ｽﾊﾟﾝ校正(&amp;S)</source>
        <translation>&amp;Span calibration</translation>
    </message>
    <message>
        <source>成績書を PDF に保存(&amp;P)…</source>
        <translation>Save certificate as &amp;PDF…</translation>
    </message>
    <message>
        <source>成績書を印刷(&amp;T)…</source>
        <translation>Prin&amp;t certificate…</translation>
    </message>
    <message>
        <source>（指示計から読んでください）</source>
        <translation>(read it from the indicator)</translation>
    </message>
    <message>
        <source>試験点 %1: 負荷 %2 を載せ、表示が落ち着いたら「読み取り」を押してください。</source>
        <translation>Test point %1: place the load %2 and press Read once the display has settled.</translation>
    </message>
    <message>
        <source>指示計から最大秤量値と最小目盛を読み、試験点を作ってください。</source>
        <translation>Read the capacity and the scale interval from the indicator to make the test points.</translation>
    </message>
    <message>
        <source>未完了</source>
        <translation>Not complete</translation>
    </message>
    <message>
        <source>調整前: %1&#x3000;&#x3000;調整後: %2</source>
        <translation>As found: %1    As left: %2</translation>
    </message>
    <message>
        <source>他の操作の実行中は開始できません</source>
        <translation>Cannot start while another operation runs</translation>
    </message>
    <message>
        <source>ｽﾊﾟﾝ校正中…</source>
        <translation>Span calibration under way…</translation>
    </message>
    <message>
        <source>ゼロ校正中…</source>
        <translation>Zero calibration under way…</translation>
    </message>
    <message>
        <source>ｽﾊﾟﾝ校正</source>
        <translation>Span calibration</translation>
    </message>
    <message>
        <source>ゼロ校正</source>
        <translation>Zero calibration</translation>
    </message>
    <message>
        <source>ｽﾊﾟﾝ校正が終わりました。</source>
        <translation>Span calibration finished.</translation>
    </message>
    <message>
        <source>ゼロ校正が終わりました。</source>
        <translation>Zero calibration finished.</translation>
    </message>
    <message>
        <source>成績書を保存しました: %1</source>
        <translation>Certificate saved: %1</translation>
    </message>
    <message>
        <source>成績書を PDF に保存</source>
        <translation>Save certificate as PDF</translation>
    </message>
    <message>
        <source>印刷できませんでした。</source>
        <translation>Could not print.</translation>
    </message>
    <message>
        <source>変更 %1 件</source>
        <translation>%1 changed</translation>
    </message>
    <message>
        <source>指示計の値: %1</source>
        <translation>Indicator&apos;s value: %1</translation>
    </message>
    <message>
        <source>変更分のみ書き込み</source>
        <translation>Write changed values only</translation>
    </message>
    <message>
        <source>次の %1 件を指示計へ書き込みます。</source>
        <translation>These %1 values will be written to the indicator.</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>新しい値</source>
        <translation>New value</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>変更分のみ書き込み(&amp;W)…</source>
        <translation>&amp;Write changed values only…</translation>
    </message>
    <message>
        <source>成績書を再出力…</source>
        <translation>Certificate again as PDF…</translation>
    </message>
    <message>
        <source>この試験の記録が読めません。</source>
        <translation>The record of this test cannot be read.</translation>
    </message>
    <message>
        <source>選択した値を指示計へ書き込み</source>
        <translation>Write the selected values to the indicator</translation>
    </message>
</context>
</TS>
