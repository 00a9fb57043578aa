<?php $season = "autumn"; ?>
<html>
<head>
<title>Compost &amp; Soil</title>
<meta name="keywords" content="compost, soil, heap">

</head><body>
<h1>Compost for the garden</h1>
<p>Compost feeds the soil. Turn the compost heap every week; good compost smells of soil.</p>
<p><i>Leaves</i> and kitchen scraps make compost; keep the heap moist.</p>
</body>
</html>
