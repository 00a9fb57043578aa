<html><head><title>Zeta</title></head><body>zeta zeta</body></html>
