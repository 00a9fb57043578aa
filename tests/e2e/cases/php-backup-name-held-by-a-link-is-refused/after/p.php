<html>
<head>
<title>Herbs</title>
</head>
<body>
<p>Basil and thyme in pots; basil and thyme on the windowsill.</p>
</body>
</html>
