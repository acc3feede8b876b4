<?php
/*
 * Jednoduchá galerie obrázkù v PHP.
 *
 * Obrázky nahrajte do složky "obrazky" vedle tohoto skriptu. Skript je sám najde,
 * zobrazí jejich náhledy po stránkách a po kliknutí ukáže obrázek v plné velikosti
 * s odkazy na pøedchozí a další. Nic dalšího (databázi ani knihovnu GD) nepotøebuje.
 */

// ---- nastavení -------------------------------------------------------------
$slozka       = 'obrazky';                       // složka s obrázky, vedle skriptu
$nazev        = 'Moje fotogalerie';              // nadpis stránky
$naStranku    = 12;                              // poèet náhledù na jedné stránce
$sirkaNahledu = 160;                             // šíøka náhledu v pixelech
$pripony      = array('jpg', 'jpeg', 'png', 'gif', 'webp');

// ---- pomocné funkce --------------------------------------------------------
// Text do stránky: znaky <, >, &, " a ' jako entity. Kódování ISO-8859-1 tu znamená jen
// "bajt po bajtu", takže se texty ve windows-1250 nezmìní.
function h($text)
{
    return htmlspecialchars($text, ENT_QUOTES, 'ISO-8859-1');
}

// Jméno souboru k zobrazení: jména v UTF-8 (bìžná na serverech) se pøevedou do windows-1250.
function jmeno($soubor)
{
    if (function_exists('iconv') && preg_match('//u', $soubor)) {
        $prevedene = @iconv('UTF-8', 'windows-1250//TRANSLIT', $soubor);
        if ($prevedene !== false)
            return $prevedene;
    }
    return $soubor;
}

// Odkaz na tuto stránku s danými parametry.
function adresa($parametry)
{
    return h('?' . http_build_query($parametry));
}

// Seznam obrázkù ve složce, seøazený podle jména.
function nactiObrazky($slozka, $pripony)
{
    $obrazky = array();
    $cesta = __DIR__ . '/' . $slozka;
    if (!is_dir($cesta))
        return $obrazky;
    foreach (scandir($cesta) as $soubor) {
        $pripona = strtolower(pathinfo($soubor, PATHINFO_EXTENSION));
        if ($soubor[0] !== '.' && in_array($pripona, $pripony, true) && is_file($cesta . '/' . $soubor))
            $obrazky[] = $soubor;
    }
    natcasesort($obrazky);
    return array_values($obrazky);
}

$obrazky = nactiObrazky($slozka, $pripony);
$pocet = count($obrazky);
$stran = max(1, (int)ceil($pocet / $naStranku));

// Zobrazí se jen obrázek, který ve složce opravdu je: jméno z adresy se hledá v seznamu.
// Pole z adresy (?foto[]=...) není jméno souboru: znamená „žádný obrázek“, ne varování.
$foto = isset($_GET['foto']) && is_string($_GET['foto']) ? $_GET['foto'] : '';
$index = $foto !== '' ? array_search($foto, $obrazky, true) : false;

$strana = isset($_GET['strana']) ? (int)$_GET['strana'] : 1;
$strana = min(max(1, $strana), $stran);

header('Content-Type: text/html; charset=windows-1250');
?>
<!DOCTYPE html>
<html lang="cs">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1250">
<title><?php echo h($nazev); ?></title>
<style>
  body { font-family: Verdana, Arial, sans-serif; margin: 1.5em; background: #f4f4f4; color: #222; }
  h1 { font-size: 1.5em; }
  .nahledy { display: flex; flex-wrap: wrap; gap: 12px; }
  .nahled { background: #fff; padding: 6px; border: 1px solid #ccc; text-align: center; font-size: 0.75em; }
  .nahled img { display: block; width: <?php echo (int)$sirkaNahledu; ?>px; height: <?php echo (int)$sirkaNahledu; ?>px;
                object-fit: cover; margin-bottom: 4px; }
  .nahled span { display: block; max-width: <?php echo (int)$sirkaNahledu; ?>px; overflow: hidden; text-overflow: ellipsis; white-space: nowrap; }
  .obrazek img { max-width: 100%; max-height: 80vh; border: 1px solid #ccc; background: #fff; }
  .navigace { margin: 1em 0; }
  .navigace a, .navigace strong { margin-right: 0.8em; }
</style>
</head>
<body>
<h1><?php echo h($nazev); ?></h1>
<?php if ($index !== false): ?>
  <?php $strankaFotky = (int)floor($index / $naStranku) + 1; ?>
  <div class="navigace">
    <?php if ($index > 0): ?>
      <a href="<?php echo adresa(array('foto' => $obrazky[$index - 1])); ?>">&laquo; pøedchozí</a>
    <?php endif; ?>
    <a href="<?php echo adresa(array('strana' => $strankaFotky)); ?>">zpìt na náhledy</a>
    <?php if ($index < $pocet - 1): ?>
      <a href="<?php echo adresa(array('foto' => $obrazky[$index + 1])); ?>">další &raquo;</a>
    <?php endif; ?>
  </div>
  <div class="obrazek">
    <img src="<?php echo h($slozka . '/' . rawurlencode($obrazky[$index])); ?>" alt="<?php echo h(jmeno($obrazky[$index])); ?>">
    <p><?php echo h(jmeno($obrazky[$index])); ?> (<?php echo $index + 1; ?> z <?php echo $pocet; ?>)</p>
  </div>
<?php elseif ($pocet === 0): ?>
  <p>Ve složce &bdquo;<?php echo h($slozka); ?>&ldquo; zatím nejsou žádné obrázky.</p>
<?php else: ?>
  <p>Obrázkù: <?php echo $pocet; ?>, stránka <?php echo $strana; ?> z <?php echo $stran; ?>.</p>
  <div class="nahledy">
    <?php foreach (array_slice($obrazky, ($strana - 1) * $naStranku, $naStranku) as $soubor): ?>
      <a class="nahled" href="<?php echo adresa(array('foto' => $soubor)); ?>">
        <img src="<?php echo h($slozka . '/' . rawurlencode($soubor)); ?>" alt="<?php echo h(jmeno($soubor)); ?>" loading="lazy">
        <span><?php echo h(jmeno($soubor)); ?></span>
      </a>
    <?php endforeach; ?>
  </div>
  <?php if ($stran > 1): ?>
    <div class="navigace">
      <?php for ($i = 1; $i <= $stran; $i++): ?>
        <?php if ($i === $strana): ?>
          <strong><?php echo $i; ?></strong>
        <?php else: ?>
          <a href="<?php echo adresa(array('strana' => $i)); ?>"><?php echo $i; ?></a>
        <?php endif; ?>
      <?php endfor; ?>
    </div>
  <?php endif; ?>
<?php endif; ?>
</body>
</html>
