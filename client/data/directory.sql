-- The emulated directory service: what each sample user has published. A new directory is
-- made from schema.sql and sample.sql and then this file, which keeps only the published keys
-- and gives some contacts newer details than the store holds.
PRAGMA application_id = 1314215492;  -- "NUVD"

-- Each user published his details at the date the store last heard of; users the store never
-- heard about published on 1 December 2025.
UPDATE fields SET value = coalesce(
    (SELECT known.value FROM fields known
     WHERE known.user = fields.user AND known.parent IS NULL
       AND known.name = 'LastKnownUpdateDate' AND known.value > 0),
    1764547200)
WHERE parent IS NULL AND name = 'LastUpdateDate';

-- The owner's settings about his contacts and the client's own state are not published.
DELETE FROM fields WHERE parent IS NULL AND name NOT IN (
    'LastUpdateDate',
    'FirstName', 'LastName', 'NickName', 'PrimaryEmail', 'DontPublishEmail', 'MoreEmails',
    'AdditionalOwnerEmails', 'HomeAddress', 'HomeCity', 'HomeState', 'HomeZipCode',
    'HomeCountry', 'HomePhone', 'HomeFax', 'HomeCell', 'TimeZone',
    'HomeHomepage', 'Gender', 'Age', 'BirthDay', 'BirthMonth', 'BirthYear', 'Language',
    'HomepageCategory', 'HomepageDescription',
    'WorkCompany', 'WorkDepartment', 'WorkJobTitle', 'Occupation', 'WorkPhone', 'WorkFax',
    'WorkAddress', 'WorkCity', 'WorkState', 'WorkZipCode', 'WorkCountry', 'WorkHomepage',
    'About', 'InterestCategory', 'InterestText', 'GroupCategory', 'GroupText', 'PastCategory',
    'PastText');

-- Élodie last published from her other computer, under a longer nickname.
UPDATE fields SET value = 'Lodie M.' WHERE user = 1234567 AND parent IS NULL AND name = 'NickName';

-- Γιώργος moved to Thessaloniki and changed jobs.
UPDATE fields SET value = 'Λεωφόρος Νίκης 12' WHERE user = 2000001 AND parent IS NULL AND name = 'HomeAddress';
UPDATE fields SET value = 'Θεσσαλονίκη' WHERE user = 2000001 AND parent IS NULL AND name = 'HomeCity';
UPDATE fields SET value = 'Κεντρική Μακεδονία' WHERE user = 2000001 AND parent IS NULL AND name = 'HomeState';
UPDATE fields SET value = '54622' WHERE user = 2000001 AND parent IS NULL AND name = 'HomeZipCode';
UPDATE fields SET value = '+30 (231) 055 6677' WHERE user = 2000001 AND parent IS NULL AND name = 'HomePhone';
UPDATE fields SET value = 'Λιμάνι Θεσσαλονίκης Α.Ε.' WHERE user = 2000001 AND parent IS NULL AND name = 'WorkCompany';
UPDATE fields SET value = 'Θεσσαλονίκη' WHERE user = 2000001 AND parent IS NULL AND name = 'WorkCity';
UPDATE fields SET value = 'Ζω πλέον δίπλα στον Θερμαϊκό.' WHERE user = 2000001 AND parent IS NULL AND name = 'About';
UPDATE fields SET value = 42 WHERE user = 2000001 AND parent IS NULL AND name = 'Age';

-- The poetry group has a new motto.
UPDATE fields SET value = 'Deux poèmes par jour, en toutes langues.' WHERE user = 9000001 AND parent IS NULL AND name = 'About';

-- Ольга took up a new nickname and a second interest.
UPDATE fields SET value = 'Олечка' WHERE user = 2000010 AND parent IS NULL AND name = 'NickName';
UPDATE fields SET value = 112 WHERE user = 2000010 AND parent = 591 AND pos = 1;
UPDATE fields SET value = 'гончарство' WHERE user = 2000010 AND parent = 596 AND pos = 1;
